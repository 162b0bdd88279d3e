// tableau-settimanale-batch-caratteri: the batch command with a GUI
// application, for the outputs that set text in fonts; the batch command
// hands it such runs.
#include "batch/EseguiBatch.h"
#include "batch/UscitaBatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>
#include <optional>

int main(int argc, char** argv) {
    // Printing and PDF files set text in fonts, which needs a GUI
    // application; the command never shows a window, so it needs no display.
    std::unique_ptr<QCoreApplication> applicazione;
    // A GUI application wants the session's runtime folder and warns on
    // standard error when XDG_RUNTIME_DIR is not set, as under cron. A
    // private folder (mode 0700, removed at the end) stands in for it, so
    // that standard error holds the command's own messages only.
    std::optional<QTemporaryDir> cartellaRuntime;
    if (UsciteConCaratteri(ArgomentiDi(argc, argv))) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            cartellaRuntime.emplace(QDir::tempPath() +
                                    QStringLiteral("/tableau-settimanale-XXXXXX"));
            if (cartellaRuntime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(cartellaRuntime->path()));
        }
        applicazione = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        applicazione = std::make_unique<QCoreApplication>(argc, argv);
    }
    return EseguiBatchSulTerminale(StampaBatch);
}

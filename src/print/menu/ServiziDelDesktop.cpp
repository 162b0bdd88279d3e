#include "print/menu/ServiziDelDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include <cstdio>

void ApriConProgrammaAssociato(const QString& percorso) {
    const QUrl indirizzo = QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath());
    if (QDesktopServices::openUrl(indirizzo))
        return;
    // Window systems without desktop services (a display-less platform, a
    // bare frame buffer) still have the desktop's opener on most systems.
    if (QProcess::startDetached(QStringLiteral("xdg-open"),
                                {indirizzo.toString(QUrl::FullyEncoded)}))
        return;
    std::fprintf(stderr, "tableau-settimanale: nessun programma ha aperto %s\n",
                 qUtf8Printable(percorso));
}

void AvvisoDiSistema(QWidget* sopra, const QString& testo, const QString& titolo) {
    QMessageBox::warning(sopra, titolo, testo, QMessageBox::Ok);
}

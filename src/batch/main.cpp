// tableau-settimanale-batch: the weekly tableau without a window.
//
// Loading Qt's GUI libraries takes most of the processor time of a run that
// only writes the print file. So this program does without them: a command
// line that asks for an output setting text in fonts (a PDF file, the chart,
// a print) is handed, as it is, to tableau-settimanale-batch-caratteri.
#include "batch/AvviaConCaratteri.h"
#include "batch/EseguiBatch.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    if (UsciteConCaratteri(ArgomentiDi(argc, argv)))
        return AvviaConCaratteri(argv);
    const QCoreApplication applicazione(argc, argv);
    return EseguiBatchSulTerminale({});
}

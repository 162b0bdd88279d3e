#pragma once

// Replaces this process with the batch program that has a GUI application,
// tableau-settimanale-batch-caratteri, found at its installed place
// relative to this program's folder, run with the same command line
// (`argv`, the program's name first, ending with a null pointer). Returns
// only when it cannot be started, having said why on standard error: the
// status of an unexpected error.
int AvviaConCaratteri(char** argv);

#ifndef KILLATSTEP_H
#define KILLATSTEP_H

// Header only: the model tests, which link no test support library, use it too.

#include "StagedFileSet.h"

#ifdef Q_OS_UNIX
#include <csignal>

// Ends this process, as a kill would, right after the step-th change on disk
// of the staged file sets it runs. Meant for a child process of a test.
inline void killAfterStep(int step)
{
    static int chosenStep = 0;
    static int stepsDone = 0;
    chosenStep = step;
    stepsDone = 0;
    StagedFileSet::setStepObserver([] {
        if (++stepsDone == chosenStep)
            std::raise(SIGKILL);
    });
}
#endif

#endif // KILLATSTEP_H

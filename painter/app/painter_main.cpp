#include "painter/app/painter_main.h"

#include <cstdio>
#include <utility>

#include "common/platform/job_lock.h"
#include "common/platform/platform.h"
#include "common/platform/terminal.h"
#include "painter/app/command_line.h"
#include "painter/app/console_message.h"
#include "painter/app/dialog_jobs.h"
#include "painter/app/job.h"
#include "painter/app/report.h"
#include "painter/app/ui.h"
#include "painter/app/usage.h"

namespace {

// What the dialog gets of this run: each Go starts a job on a thread of the
// run's own, writing to its log.
DialogHost DialogHostOf(PainterRun& run) {
    return DialogHost{[&run](JobOptions options, JobWindow window) {
                          return StartDialogJob(run.dialogThreads, run.log, run.runCommand, options,
                                                std::move(window));
                      },
                      platform::CurrentFolder};
}

}  // namespace

int PainterMain(const char* commandLine) {
    PainterRun run;
    return PainterMain(commandLine, run);
}

int PainterMain(const char* commandLine, PainterRun& run) {
    Log& log = run.log;
    // Asked what it is: said without touching the working folder.
    switch (InfoRequestOf(commandLine)) {
        case InfoRequest::Help:
            ShowInformation(PainterUsage);
            return 0;
        case InfoRequest::Version:
            ShowInformation(PainterVersion);
            return 0;
        case InfoRequest::None:
            break;
    }
    // One job per working folder: a second painter started while a job
    // works here would empty its log and write the same files under it.
    // A command-line job holds the lock from here to its end; a dialog's
    // jobs take it each in turn, so only a job that runs keeps others out.
    platform::JobLock lock;
    if (const Status taken = lock.Take(); taken.code() == platform::kJobLockBusy) {
        ShowFatalMessage(taken.message().c_str());
        return 1;
    }
    if (!log.Open("log.txt")) {
        // Nothing can be recorded in a folder where the log cannot be made.
        ShowFatalMessage("screwed big time");
        return 2;
    }
    log.Line("-----------------");
    log.Line("Marvane v0.33");
    log.Line("-----------------");

    // The splitter and the converter are installed beside the painter.
    platform::PutFolderFirstOnPath(platform::ExecutableFolder());
    // The splitter the job starts works under the job's lock.
    platform::LetCommandsShareJobLock();

    int status = 0;
    const auto options = ParseCommandLine(commandLine);
    if (!options) lock.Release();  // each of the dialog's jobs takes it
    if (options) {
        // A job started from a terminal finishes its files also when the
        // terminal is closed under it.
        if (platform::IsTerminal(stdout) || platform::IsTerminal(stderr)) {
            platform::KeepRunningWhenTerminalCloses();
        }
        // Only a command-line job writes to the terminal; a dialog has its
        // status field.
        const JobContext context{log,
                                 nullptr,
                                 JobWindow{nullptr, nullptr, ShowFatalMessage},
                                 platform::IsTerminal(stderr) ? stderr : nullptr,
                                 true,
                                 run.runCommand};
        status = RunJob(*options, context) == JobResult::Completed ? 0 : 1;
    } else if (RunOptionsDialog(DialogHostOf(run))) {
        // A job still running when the dialog closed stops at its next band
        // or map and removes what it was writing; its last lines are logged.
        run.dialogThreads.StopAll(AnswerWindowSystem);
    } else {
        std::fputs(PainterUsage, stderr);
        status = 2;
    }
    log.Close();
    return status;
}

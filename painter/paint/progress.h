#pragma once

// How the painting core tells its caller how far it got, and learns whether
// to stop: the caller passes one in, and the core calls it between bands of
// rows, never from inside one. The defaults do nothing and never stop.
class Progress {
public:
    virtual ~Progress() = default;

    // A new step of the job begins; `text` says what it does.
    virtual void Step(const char* text) { (void)text; }
    // The fraction of the current step done so far, from 0 to 1.
    virtual void Advance(double fraction) { (void)fraction; }
    // Whether the user asked the job to stop.
    virtual bool StopRequested() { return false; }
};

// Thrown by the core at its next band once StopRequested answers true. What
// the core was composing is dropped; the caller removes what it was writing.
struct JobStopped {};

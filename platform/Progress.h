#pragma once
// The progress of a long run (a print job, PDF files): the run says how far
// it has come and learns whether the user has cancelled. The program shows a
// progress dialog with Cancel once a run takes longer than about a second;
// tests count the steps and cancel where they like.

#include <string>

class IProgress {
 public:
  virtual ~IProgress() = default;
  // A run of `total` steps begins, described by `label`.
  virtual void Start(const std::string& label, int total) = 0;
  // `done` of the steps are done. False when the user has cancelled: the run
  // stops after the step it is on.
  virtual bool Step(int done) = 0;
  // The run is over (finished or cancelled).
  virtual void Finish() = 0;
};

// Starts a run on a progress that may be null (no progress shown) and
// finishes it when it goes.
class ProgressRun {
 public:
  ProgressRun(IProgress* progress, const std::string& label, int total) : progress_(progress) {
    if (progress_) progress_->Start(label, total);
  }
  ~ProgressRun() {
    if (progress_) progress_->Finish();
  }
  ProgressRun(const ProgressRun&) = delete;
  ProgressRun& operator=(const ProgressRun&) = delete;
  // One more step done; false once the user has cancelled.
  bool Step() {
    ++done_;
    if (progress_ && !progress_->Step(done_)) cancelled_ = true;
    return !cancelled_;
  }
  bool Cancelled() const { return cancelled_; }
  int Done() const { return done_; }

 private:
  IProgress* progress_;
  int done_ = 0;
  bool cancelled_ = false;
};

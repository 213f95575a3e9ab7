#pragma once

// What an annealing pass anneals: a set of weights (the subject's own, the
// candidate), a centre set around which candidates are drawn, and a set
// holding the last accepted candidate. The pass keeps the errors; the
// subject keeps the weights and says how they are perturbed and measured.
class AnnealingSubject {
 public:
  virtual ~AnnealingSubject() = default;
  // Overwrites every annealed weight w with
  // (Uniform() - 0.5) x s x 30.0 + (1 - s) x (the centre's w).
  virtual void Perturb(double s) = 0;
  // The error of the present weights, which the subject also takes as its
  // current error.
  virtual double MeasureError() = 0;
  // Copies the present weights and error into the last-accepted set.
  virtual void KeepAsLastAccepted() = 0;
  // The centre becomes the last accepted set.
  virtual void MoveCentreToLastAccepted() = 0;
  // The present weights and error become the centre's.
  virtual void TakeCentre(double error) = 0;
  virtual bool StopRequested() = 0;
  // Shows the temperature and the last accepted error to the monitor.
  virtual void Publish(double temperature, double lastAcceptedError) = 0;
};

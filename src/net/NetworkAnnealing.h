#pragma once
#include "net/LayerNet1.h"
#include "search/AnnealingSubject.h"

// A layer network as the subject of an annealing pass. Without regression
// every weight is annealed and a candidate's error is its mse; with
// regression only the hidden layers are annealed and the output layer is
// solved by regression for every candidate, whose mse is the error.
class NetworkAnnealing final : public AnnealingSubject {
 public:
  NetworkAnnealing(LayerNet1& network, const Matrix& set, trainingProgress& progress, WeightSnapshot& centre,
                   WeightSnapshot& lastAccepted, bool withRegression);

  void Perturb(double s) override;
  double MeasureError() override;
  void KeepAsLastAccepted() override;
  void MoveCentreToLastAccepted() override;
  void TakeCentre(double error) override;
  bool StopRequested() override;
  void Publish(double temperature, double lastAcceptedError) override;

  // Whether a regression ran out of memory (the pass then stopped early).
  bool RanOutOfMemory() const { return outOfMemory; }

 private:
  LayerNet1& network;
  const Matrix& set;
  trainingProgress& progress;
  WeightSnapshot& centre;
  WeightSnapshot& lastAccepted;
  bool withRegression;
  bool outOfMemory = false;
};

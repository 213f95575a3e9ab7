#include "net/NetworkAnnealing.h"

#include <utility>

NetworkAnnealing::NetworkAnnealing(LayerNet1& network, const Matrix& set, trainingProgress& progress,
                                   WeightSnapshot& centre, WeightSnapshot& lastAccepted, bool withRegression)
    : network(network),
      set(set),
      progress(progress),
      centre(centre),
      lastAccepted(lastAccepted),
      withRegression(withRegression) {}

void NetworkAnnealing::Perturb(double s) {
  if (withRegression)
    network.Perturb(s, centre);
  else
    network.PerturbAll(s, centre);
}

double NetworkAnnealing::MeasureError() {
  if (!withRegression) {
    network.SetMse(network.ComputeMse(set));
    return network.Mse();
  }
  const double error = network.RegressionInitialization();
  if (error < 0.0) outOfMemory = true;
  return error;
}

void NetworkAnnealing::KeepAsLastAccepted() { network.SaveSnapshot(lastAccepted); }

void NetworkAnnealing::MoveCentreToLastAccepted() {
  // The last accepted set is rewritten before it is read again, so the
  // two can trade their matrices instead of copying them.
  centre.hidden1.Swap(lastAccepted.hidden1);
  centre.hidden2.Swap(lastAccepted.hidden2);
  centre.output.Swap(lastAccepted.output);
  std::swap(centre.mse, lastAccepted.mse);
}

void NetworkAnnealing::TakeCentre(double error) {
  network.RestoreSnapshot(centre);
  network.SetMse(error);
}

bool NetworkAnnealing::StopRequested() { return outOfMemory || !network.IsRunning(); }

void NetworkAnnealing::Publish(double temperature, double lastAcceptedError) {
  progress.initializationValue.Set(temperature);
  progress.initializationMse.Set(lastAcceptedError);
}

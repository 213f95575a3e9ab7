#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "numerics/Random.h"
#include "search/AnnealingPass.h"
#include "search/AnnealingSchedule.h"

namespace {

// A subject whose "weights" are one number: the candidate is the index of
// the perturbation, and its error comes from a script.
class ScriptedSubject final : public AnnealingSubject {
 public:
  std::function<double(int candidate)> errorOf;
  std::function<bool(int candidate)> stopAfter = [](int) { return false; };

  std::vector<double> temperatures;
  std::vector<double> publishedErrors;
  std::vector<double> spreads;
  int candidate = -1;
  int lastAccepted = -1;
  int centre = -1;  // -1: the starting weights
  std::vector<int> accepted;
  double takenError = 0.0;
  int held = -2;

  void Perturb(double s) override {
    spreads.push_back(s);
    ++candidate;
  }
  double MeasureError() override { return errorOf(candidate); }
  void KeepAsLastAccepted() override {
    lastAccepted = candidate;
    accepted.push_back(candidate);
  }
  void MoveCentreToLastAccepted() override { centre = lastAccepted; }
  void TakeCentre(double error) override {
    held = centre;
    takenError = error;
  }
  bool StopRequested() override { return stopAfter(candidate); }
  void Publish(double temperature, double error) override {
    temperatures.push_back(temperature);
    publishedErrors.push_back(error);
  }
};

annealingParameters Parameters(int temperatures, int iterations, double t0, double t1, int k, bool linear) {
  annealingParameters p;
  p.temperatures = temperatures;
  p.iterations = iterations;
  p.startTemperature = t0;
  p.endTemperature = t1;
  p.k = k;
  p.linearCooling = linear ? 1 : 0;
  return p;
}

TEST(AnnealingPass, ScheduleRunsFromStartToEndTemperature) {
  struct Case {
    annealingParameters parameters;
    double ratio, step;
  };
  const Case cases[] = {
      {Parameters(25, 1, 15.0, 0.015, 1, false), std::pow(0.001, 1.0 / 24), (0.015 - 15.0) / 24},
      {Parameters(25, 1, 15.0, 0.015, 1, true), std::pow(0.001, 1.0 / 24), (0.015 - 15.0) / 24},
      {Parameters(4, 1, 8.0, 1.0, 1, false), 0.5, -7.0 / 3},
      {Parameters(1, 1, 8.0, 1.0, 1, true), 1.0, 0.0},
      {Parameters(1, 1, 8.0, 1.0, 1, false), 1.0, 0.0},
  };
  for (const Case& c : cases) {
    const AnnealingSchedule schedule(c.parameters);
    EXPECT_NEAR(schedule.Ratio(), c.ratio, 1e-15);
    EXPECT_NEAR(schedule.Step(), c.step, 1e-15);
    ScriptedSubject subject;
    subject.errorOf = [](int) { return 0.5; };
    AnnealingPass().Run(subject, c.parameters, 0.0, 0.5);
    const std::vector<double>& t = subject.temperatures;
    ASSERT_EQ(t.size(), static_cast<std::size_t>(c.parameters.temperatures));
    EXPECT_EQ(t.front(), c.parameters.startTemperature);
    if (t.size() > 1) {
      EXPECT_NEAR(t.back(), c.parameters.endTemperature, 1e-12);
    }
    for (std::size_t i = 1; i < t.size(); ++i) {
      const double change = c.parameters.linearCooling ? t[i] - t[i - 1] : t[i] / t[i - 1];
      EXPECT_NEAR(change, c.parameters.linearCooling ? c.step : c.ratio, 1e-12);
    }
    // s = T / T0: 1 at the first temperature.
    EXPECT_EQ(subject.spreads.front(), 1.0);
    EXPECT_EQ(subject.spreads.back(), t.back() / c.parameters.startTemperature);
  }
  EXPECT_NEAR(AnnealingSchedule(Parameters(25, 1, 15.0, 0.015, 1, false)).Ratio(), 0.7499, 1e-4);
}

TEST(AnnealingPass, EqualErrorIsNeverAcceptedAndNothingAcceptedKeepsTheStart) {
  struct Case {
    double error;  // of every candidate, against a start of 0.25
    int k;
  };
  // Equal: ignored. Worse by far with a large k: exp(-k d / T) underflows.
  const Case cases[] = {{0.25, 1}, {0.25, 1500}, {100.0, 1500}};
  for (const Case& c : cases) {
    ScriptedSubject subject;
    subject.errorOf = [&](int) { return c.error; };
    const double result = AnnealingPass().Run(subject, Parameters(5, 10, 15.0, 0.015, c.k, false), 0.0, 0.25);
    EXPECT_EQ(result, 1.0);
    EXPECT_TRUE(subject.accepted.empty());
    EXPECT_EQ(subject.held, -1);
    EXPECT_EQ(subject.takenError, 0.25);
    EXPECT_EQ(subject.candidate, 49);
    for (double e : subject.publishedErrors) EXPECT_EQ(e, 1.0);
  }
}

// Candidates of one temperature all face the centre of its start: 0.4 and
// then 0.45 both improve on 0.5, and the centre moves to the last of them.
TEST(AnnealingPass, CentreMovesToTheLastAcceptedAtTheEndOfATemperature) {
  ScriptedSubject subject;
  const double errors[] = {0.4, 0.45, 0.6, 0.44, 0.46, 0.9};
  subject.errorOf = [&](int i) { return errors[i]; };
  const double result = AnnealingPass().Run(subject, Parameters(2, 3, 1.0, 0.5, 100000, false), 0.0, 0.5);
  EXPECT_EQ(subject.accepted, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(subject.publishedErrors, (std::vector<double>{1.0, 0.45}));
  EXPECT_EQ(result, 0.44);
  EXPECT_EQ(subject.held, 3);
  EXPECT_EQ(subject.takenError, 0.44);
}

TEST(AnnealingPass, WorseCandidatesAreAcceptedByTheMetropolisRule) {
  const annealingParameters parameters = Parameters(3, 40, 2.0, 0.5, 10, false);
  const double worse = 0.1;
  Random::Restart();
  ScriptedSubject subject;
  subject.errorOf = [&](int) { return 0.3 + worse; };
  AnnealingPass().Run(subject, parameters, 0.0, 0.3);
  // The same decisions from the generator directly; the centre stays at
  // 0.3 until a temperature accepts, then every candidate equals it.
  Random::Restart();
  std::vector<int> expected;
  double temperature = 2.0;
  double centre = 0.3;
  int candidate = 0;
  for (int t = 0; t < 3; ++t, temperature *= 0.5) {
    bool any = false;
    for (int i = 0; i < 40; ++i, ++candidate) {
      const double d = 0.3 + worse - centre;
      if (d == 0.0) continue;
      if (std::exp(-10.0 * d / temperature) > Random::Uniform()) {
        expected.push_back(candidate);
        any = true;
      }
    }
    if (any) centre = 0.3 + worse;
  }
  EXPECT_EQ(subject.accepted, expected);
  EXPECT_FALSE(expected.empty());
  EXPECT_LT(expected.size(), 40u);
}

TEST(AnnealingPass, GoalOrStopEndsThePassWithTheCentreReached) {
  struct Case {
    double goal;
    int stopAt;
    int lastCandidate;
    int held;
    double result;
  };
  // Errors fall by 0.01 per candidate from 0.5: candidate i has 0.49 - 0.01 i.
  const Case cases[] = {
      {0.455, -1, 4, 4, 0.49 - 0.04},  // goal reached by candidate 4
      {0.0, 6, 6, 6, 0.49 - 0.06},     // stop after candidate 6
      {0.0, 1, 1, 1, 0.49 - 0.01},
  };
  for (const Case& c : cases) {
    ScriptedSubject subject;
    subject.errorOf = [](int i) { return 0.49 - 0.01 * i; };
    subject.stopAfter = [&](int i) { return i == c.stopAt; };
    const double result = AnnealingPass().Run(subject, Parameters(10, 5, 1.0, 0.1, 1, false), c.goal, 0.5);
    EXPECT_EQ(subject.candidate, c.lastCandidate);
    EXPECT_EQ(subject.held, c.held);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(subject.takenError, c.result);
  }
}

TEST(AnnealingPass, StopIsNotReadForIgnoredCandidates) {
  ScriptedSubject subject;
  subject.errorOf = [](int i) { return i < 3 ? 0.5 : 0.4; };
  int asked = 0;
  subject.stopAfter = [&](int) {
    ++asked;
    return true;
  };
  AnnealingPass().Run(subject, Parameters(3, 10, 1.0, 0.1, 1, false), 0.0, 0.5);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(subject.candidate, 3);
  EXPECT_EQ(subject.held, 3);
}

}  // namespace

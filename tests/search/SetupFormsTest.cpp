#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "search/AnnealSchedulePreview.h"
#include "search/AnnealSetupForm.h"
#include "search/FieldNumber.h"
#include "search/GeneticSetupForm.h"

namespace {

TEST(SetupForms, NumbersShowWithPercentGAndReadAsStrtod) {
  EXPECT_EQ(FieldNumber::Text(0.85), u"0.85");
  EXPECT_EQ(FieldNumber::Text(1e-4), u"0.0001");
  EXPECT_EQ(FieldNumber::Text(1e-5), u"1e-05");
  EXPECT_EQ(FieldNumber::Text(0.015), u"0.015");
  EXPECT_EQ(FieldNumber::Text(15.0), u"15");
  EXPECT_EQ(FieldNumber::Read(u" 0.5x"), 0.5);
  EXPECT_EQ(FieldNumber::Read(u"1e-3"), 1e-3);
  EXPECT_TRUE(std::isnan(FieldNumber::Read(u"abc")));
  EXPECT_TRUE(std::isnan(FieldNumber::Read(u"")));
}

TEST(SetupForms, GeneticChecksInOrderAndStoresTheFiveValues) {
  trainingSetup defaults;
  const GeneticSetupForm opened(defaults);
  EXPECT_EQ(opened.individuals, 20);
  EXPECT_EQ(opened.generations, 200);
  EXPECT_EQ(opened.crossover, u"0.85");
  EXPECT_EQ(opened.mutation, u"0.0001");
  EXPECT_EQ(opened.cycles, 10);

  struct Case {
    int individuals, generations;
    std::u16string pc, pm;
    int cycles;
    int field;  // -1: accepted
    std::u16string text;
  };
  const Case cases[] = {
      {0, 0, u"2", u"2", 0, GeneticSetupForm::kIndividuals, u"There must be at least one individual"},
      {1, 0, u"2", u"2", 0, GeneticSetupForm::kGenerations, u"There must be at least one generation"},
      {1, 1, u"1.5", u"2", 0, GeneticSetupForm::kCrossover,
       u"The probability of crossover must be between 0 and 1"},
      {1, 1, u"-0.1", u"0", 1, GeneticSetupForm::kCrossover,
       u"The probability of crossover must be between 0 and 1"},
      {1, 1, u"abc", u"0", 1, GeneticSetupForm::kCrossover,
       u"The probability of crossover must be between 0 and 1"},
      {1, 1, u"1", u"1.01", 0, GeneticSetupForm::kMutation,
       u"The probability of mutate must be between 0 and 1"},
      {1, 1, u"0", u"x", 1, GeneticSetupForm::kMutation,
       u"The probability of mutate must be between 0 and 1"},
      {1, 1, u"0", u"1", 0, GeneticSetupForm::kCycles, u"The number of cycles must be bigger than zero"},
      {3, 7, u"0", u"1", 2, -1, u""},
  };
  for (const Case& c : cases) {
    GeneticSetupForm form(defaults);
    form.individuals = c.individuals;
    form.generations = c.generations;
    form.crossover = c.pc;
    form.mutation = c.pm;
    form.cycles = c.cycles;
    trainingSetup setup;
    const auto balloon = form.Accept(setup);
    if (c.field < 0) {
      ASSERT_FALSE(balloon);
      EXPECT_EQ(setup.genetic.population, 3);
      EXPECT_EQ(setup.genetic.generations, 7);
      EXPECT_EQ(setup.genetic.crossover, 0.0);
      EXPECT_EQ(setup.genetic.mutation, 1.0);
      EXPECT_EQ(setup.initializationAttempts, 2);
      continue;
    }
    ASSERT_TRUE(balloon) << c.field;
    EXPECT_EQ(balloon->field, c.field);
    EXPECT_EQ(std::u16string(balloon->title), u"Genetic Initialization");
    EXPECT_EQ(std::u16string(balloon->text), c.text);
    EXPECT_EQ(setup.genetic.population, 20);
  }
}

TEST(SetupForms, AnnealingChecksInOrderAndStoresTheSevenValues) {
  trainingSetup defaults;
  const AnnealSetupForm opened(defaults);
  EXPECT_EQ(opened.temperatures, 25);
  EXPECT_EQ(opened.iterations, 100);
  EXPECT_EQ(opened.from, u"15");
  EXPECT_EQ(opened.to, u"0.015");
  EXPECT_EQ(opened.k, 1500);
  EXPECT_FALSE(opened.linearCooling);
  EXPECT_EQ(opened.cycles, 10);

  struct Case {
    int temperatures, iterations;
    std::u16string from, to;
    int cycles;
    int field;
    std::u16string text;
  };
  const Case cases[] = {
      {2, 2, u"1", u"2", 0, AnnealSetupForm::kTemperatures, u"The number of temperatures is invalid"},
      {3, 2, u"1", u"2", 0, AnnealSetupForm::kIterations, u"The number of iterations is invalid"},
      {3, 3, u"1", u"2", 0, AnnealSetupForm::kTo, u"The temperatures are invalid"},
      {3, 3, u"1", u"1", 0, AnnealSetupForm::kTo, u"The temperatures are invalid"},
      {3, 3, u"abc", u"1", 0, AnnealSetupForm::kTo, u"The temperatures are invalid"},
      {3, 3, u"2", u"1", 0, AnnealSetupForm::kCycles, u"The number of cycles is invalid"},
      {3, 4, u"2", u"1e-3", 5, -1, u""},
  };
  for (const Case& c : cases) {
    AnnealSetupForm form(defaults);
    form.temperatures = c.temperatures;
    form.iterations = c.iterations;
    form.from = c.from;
    form.to = c.to;
    form.cycles = c.cycles;
    form.k = 77;
    form.linearCooling = true;
    trainingSetup setup;
    const auto balloon = form.Accept(setup);
    if (c.field < 0) {
      ASSERT_FALSE(balloon);
      EXPECT_EQ(setup.annealing.temperatures, 3);
      EXPECT_EQ(setup.annealing.iterations, 4);
      EXPECT_EQ(setup.annealing.startTemperature, 2.0);
      EXPECT_EQ(setup.annealing.endTemperature, 1e-3);
      EXPECT_EQ(setup.annealing.k, 77);
      EXPECT_EQ(setup.annealing.linearCooling, 1);
      EXPECT_EQ(setup.initializationAttempts, 5);
      continue;
    }
    ASSERT_TRUE(balloon) << c.field;
    EXPECT_EQ(balloon->field, c.field);
    EXPECT_EQ(std::u16string(balloon->title), u"Sim. Annealing Initialization");
    EXPECT_EQ(std::u16string(balloon->text), c.text);
    EXPECT_EQ(setup.annealing.k, 1500);
  }
}

TEST(SetupForms, PreviewRepeatsTheScheduleOverTheCycles) {
  annealingParameters p;
  p.temperatures = 4;
  p.startTemperature = 8.0;
  p.endTemperature = 1.0;
  struct Case {
    bool linear;
    int cycles;
    int point;
    double time, temperature;
  };
  // NT C = 4 x 2 = 8 iterations over 1024 points: point i at i / 128.
  const Case cases[] = {
      {false, 2, 0, 0.0, 8.0},
      {false, 2, 128, 1.0, 4.0},
      {false, 2, 511, 511.0 / 128, 1.0},
      {false, 2, 512, 4.0, 8.0},
      {false, 2, 1023, 1023.0 / 128, 1.0},
      {true, 2, 256, 2.0, 8.0 - 14.0 / 3},
      {true, 2, 384, 3.0, 1.0},
      {true, 2, 640, 5.0, 8.0 - 7.0 / 3},
      // 1000 cycles are limited to 512: NT C = 2048, two iterations a point.
      {false, 1000, 1, 2.0, 2.0},
      {false, 1000, 2, 4.0, 8.0},
  };
  for (const Case& c : cases) {
    p.linearCooling = c.linear ? 1 : 0;
    const auto points = AnnealSchedulePreview::Compute(p, c.cycles);
    ASSERT_EQ(points.size(), 1024u);
    EXPECT_EQ(points[c.point].time, c.time) << c.point;
    EXPECT_NEAR(points[c.point].temperature, c.temperature, 1e-12) << c.point;
  }
  p.temperatures = 0;
  EXPECT_TRUE(AnnealSchedulePreview::Compute(p, 3).empty());

  trainingSetup setup;
  AnnealSetupForm form(setup);
  form.temperatures = 4;
  form.from = u"8";
  form.to = u"1";
  form.cycles = 2;
  EXPECT_NEAR(form.Preview()[128].temperature, 4.0, 1e-12);
}

}  // namespace

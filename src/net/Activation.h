#pragma once

// An activation function of a layer. Every network object holds one of each
// kind and its layers point at them. The first eight operations are the
// table every activation offers; Apply is the layer's bulk entry, one call
// per layer instead of one per neuron.
class Activation {
 public:
  virtual ~Activation() = default;
  virtual double Evaluate(double x) const = 0;
  // The derivative expressed through the function's output y.
  virtual double Derivative(double y) const = 0;
  virtual double Inverse(double y) const = 0;
  virtual int Code() const = 0;
  virtual char Letter() const = 0;
  virtual double UpperTarget() const = 0;
  virtual double LowerTarget() const = 0;
  // Outputs below this value reject a case in the class decision.
  virtual double Threshold() const = 0;
  // Replaces each of the count values by Evaluate of it.
  virtual void Apply(double* values, int count) const = 0;
};

// The letter shown for an activation code; 'E' for an unknown code.
char ActivationLetter(int code);

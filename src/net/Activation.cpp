#include "net/Activation.h"

char ActivationLetter(int code) {
  switch (code) {
    case 0: return 'S';
    case 1: return 'T';
    case 2: return 'L';
    default: return 'E';
  }
}

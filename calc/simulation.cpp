#include "calc/simulation.h"

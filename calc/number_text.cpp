#include "calc/number_text.h"

#include "calc/target_search.h"

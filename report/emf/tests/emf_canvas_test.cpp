#include "report/emf/emf_canvas.h"
#include <gtest/gtest.h>
TEST(EmfCanvas, Placeholder) { }

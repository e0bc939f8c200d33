#include "report/store/compress.h"
#include <gtest/gtest.h>
TEST(Compress, Placeholder) { }

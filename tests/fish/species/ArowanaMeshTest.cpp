// Tests of the arowana mesh that the catalogue-wide checks cannot make.
#include "fish/species/ArowanaMesh.h"

#include <gtest/gtest.h>

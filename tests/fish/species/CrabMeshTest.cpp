// Tests of the crab mesh that the catalogue-wide checks cannot make.
#include "fish/species/CrabMesh.h"

#include <gtest/gtest.h>

// Tests of the medaka mesh that the catalogue-wide checks cannot make.
#include "fish/species/MedakaMesh.h"

#include <gtest/gtest.h>

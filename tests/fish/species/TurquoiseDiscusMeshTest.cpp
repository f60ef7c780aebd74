// Tests of the turquoise discus mesh that the catalogue-wide checks cannot make.
#include "fish/species/TurquoiseDiscusMesh.h"

#include <gtest/gtest.h>

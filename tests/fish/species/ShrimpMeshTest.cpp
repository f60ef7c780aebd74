// Tests of the shrimp mesh that the catalogue-wide checks cannot make.
#include "fish/species/ShrimpMesh.h"

#include <gtest/gtest.h>

// Tests of the betta mesh that the catalogue-wide checks cannot make.
#include "fish/species/BettaMesh.h"

#include <gtest/gtest.h>

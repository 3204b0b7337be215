// The baseline for qarel-launch's start-up: a C++ program linked the same way
// (the same libraries) that does nothing but touch the library once.
#include <cstdio>

#include "version/version.h"

int main() { return std::puts(quor_version_get_product_name()) < 0; }

// SPDX-License-Identifier: MIT
#include "app/cubomancerapp.h"

int main(int argc, char *argv[])
{
    return runCubomancer(argc, argv);
}

// Marks the filter's exported symbols; they are declared inside extern "C"
// blocks so that their names stay unmangled. Everything else is hidden.
#pragma once

#define ICF_EXPORT __attribute__((visibility("default")))

// The error a 1-based table access outside its range raises. Handlers catch it
// in their error trap like any other failure and show what() to the user.
#pragma once

#include <stdexcept>

class IndexError : public std::runtime_error
{
public:
    IndexError();
};

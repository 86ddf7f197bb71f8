// The exceptions raised by the line store and by the lists of the result view.
#pragma once

#include <string>

#include "common/Exception.h"
#include "common/FileErrors.h"

namespace mirevo {

// A line index outside the range an operation accepts ("Invalid stringlist index %d").
class ELineStoreError : public Exception {
public:
    using Exception::Exception;
};

// Misuse of a list: a capacity below the count, a row index out of range.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A stream that fails while it is read.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A stream or file that fails while it is written.
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace mirevo

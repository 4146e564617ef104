#pragma once
// Errors raised by the grid tables and by the reader of their stored definitions. Entry errors of
// a cell are the evaluator's EAssignError; these are the internal and definition errors.

#include "EntryErrors.h"

#include <QString>

namespace tervane {

// A general error of a grid table or column (consistency checks of controls, bad definitions).
class EGridError : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};

// A cell reached through the wrong kind of access.
class EInvalidCast : public EGridError {
public:
    using EGridError::EGridError;
};

// A stored definition that cannot be read.
class EReadError : public EGridError {
public:
    using EGridError::EGridError;
};

inline const QString kDataOfWrongType = QStringLiteral("Data of wrong type");

} // namespace tervane

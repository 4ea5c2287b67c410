// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace store {

// One prepared statement of an engine, behind store::Statement. Parameter
// indexes count from 1, columns from 0. Errors throw DbError. Destroying it
// must not need the connection: a Statement may outlive its Database.
class EngineStatement {
public:
    virtual ~EngineStatement() = default;

    virtual void bindText(int index, const QString& value) = 0; // never a null QString
    virtual void bindInt(int index, qint64 value) = 0;
    virtual void bindReal(int index, double value) = 0;
    virtual void bindNull(int index) = 0;

    virtual bool step() = 0;
    virtual void reset() = 0;

    virtual int columnCount() const = 0;
    virtual bool isNull(int column) const = 0;
    virtual QString text(int column) const = 0;
    virtual qint64 int64(int column) const = 0;
    virtual double real(int column) const = 0;
    virtual QVariant value(int column) const = 0;
};

} // namespace store

#pragma once
// A project for the 3-D view tests: the tables and project object, made current for the life of
// the fixture, with a small wall in English units that the tests adjust.

#include "ColumnTypes.h"
#include "CurrentProject.h"
#include "ProgramData.h"
#include "ProjectTables.h"

#include <initializer_list>
#include <memory>

namespace testsupport {

class TViewProject {
public:
    TViewProject() : project(std::make_unique<tervane::TProgramData>(tables)) {
        tervane::SetCurrentProject(project.get());
    }
    // Opens a project file instead.
    explicit TViewProject(const QString& path)
        : project(std::make_unique<tervane::TProgramData>(tables, path, 1)) {
        tervane::SetCurrentProject(project.get());
    }
    ~TViewProject() { tervane::SetCurrentProject(nullptr); }
    TViewProject(const TViewProject&) = delete;
    TViewProject& operator=(const TViewProject&) = delete;

    // A wall of `count` increments of `length` inches, strip width and thickness in inches.
    void wall(int count, long double length, long double activeWidth, long double pyWidth) {
        project->IncrementCount = count;
        project->IncrementLength = length;
        project->ActiveWidth = activeWidth;
        project->PYWidth = pyWidth;
    }

    // Sets the cells of `row` column by column (choices and integers as numbers); the table gets
    // the row when it has fewer.
    static void row(tervane::TGridTable& table, int r, std::initializer_list<long double> values) {
        if (table.RowCount() <= r) table.SetRowCount(r + 1);
        int column = 0;
        for (long double v : values) {
            const tervane::TData cell = table.Cell(column++, r);
            if (dynamic_cast<tervane::TTableColumn*>(cell.Column())) continue;
            if (dynamic_cast<tervane::TFloatColumn*>(cell.Column()))
                cell.SetFloat(v);
            else
                cell.SetInteger(static_cast<int>(v));
        }
    }

    tervane::TProjectTables tables;
    std::unique_ptr<tervane::TProgramData> project;
};

} // namespace testsupport

#pragma once
// A project for the wall profile tests: the wall of 80 increments of 6 in with a free height of
// 120 in, made current for the life of the fixture.

#include "CurrentProject.h"
#include "ProgramData.h"
#include "SideViewScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tervane::test {

class SideViewFixture : public ::testing::Test {
protected:
    SideViewFixture() : project(std::make_unique<TProgramData>(tables)) {
        project->IncrementCount = 80;
        project->IncrementLength = 6;
        project->FreeHeight = 120;
        SetCurrentProject(project.get());
    }
    ~SideViewFixture() override { SetCurrentProject(nullptr); }

    TProgramData& p() { return *project; }

    // A soil layer of `type` with its bottom at `bottom` (table units) and the values of the
    // second row of its parameter table.
    void setLayer(int row, int type, long double bottom,
                  std::initializer_list<long double> values) {
        TGridTable& soil = tables.NewSoil();
        if (soil.RowCount() <= row) soil.SetRowCount(row + 1);
        soil.Cell(0, row).SetInteger(type);
        soil.Cell(1, row).SetFloat(bottom);
        TGridTable& params = *soil.Cell(2, row).AsTable();
        int c = 0;
        for (long double v : values)
            params.Cell(c++, 1).SetFloat(v);
    }

    static std::vector<TPrimitive> ofKind(const std::vector<TPrimitive>& all, TPrimitiveKind k) {
        std::vector<TPrimitive> out;
        std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                     [k](const TPrimitive& x) { return x.kind == k; });
        return out;
    }
    static std::vector<TPrimitive> withPen(const std::vector<TPrimitive>& all, int pen) {
        std::vector<TPrimitive> out;
        std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                     [pen](const TPrimitive& x) { return x.penWidth == pen; });
        return out;
    }
    static bool hasLine(const std::vector<TPrimitive>& all, QPoint a, QPoint b) {
        return std::any_of(all.begin(), all.end(), [a, b](const TPrimitive& x) {
            return x.kind == TPrimitiveKind::Line && x.points.size() == 2 && x.points[0] == a &&
                   x.points[1] == b;
        });
    }
    static const TPrimitive* findText(const std::vector<TPrimitive>& all, const QString& s) {
        for (const TPrimitive& x : all)
            if (x.kind == TPrimitiveKind::Text && x.text == s) return &x;
        return nullptr;
    }

    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    TSideViewScene scene;
};

} // namespace tervane::test

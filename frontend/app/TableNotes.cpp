#include "TableNotes.h"

#include "ProjectTables.h"

namespace tervane {

namespace {

// Line breaks of the notes are carriage returns, as the editor expects them.
const char* const kPileSect =
    "The nodal number at the top of the wall is set to be 0.\r"
    "Values of Flexural Stiffness (EI) must be specified for all nodes of the wall.\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kBoundCond =
    "The concentrated loads are applied at nodal points only (including the specified START and "
    "END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kSoilStrength =
    "The spring stiffnesses are applied at nodal points only (including the specified START and "
    "END nodes).\r"
    "Linear interpolation (when selected) is performed from START node of previous line to END "
    "node of the following line.";
const char* const kTblRock2 =
    "* krm is a strain constant that seve to establish the overall stiffness of the curves";
const char* const kSurcharge = "The unit for point load is lbs or kN \r"
                               "The unit for line load is lbs/in. or kN/m \r"
                               "The unit for strip load is lbs/in^2 or kN/m^2 ";
const char* const kPYCurve2 =
    "* Use negative (-) values for deflections to the left (to backfill)\r"
    "     and positive (+) to the right (to excavation).\r"
    "Lateral movement (y) should start from negative deflection\r"
    "     (towards backfill) and gradually increase to positive\r"
    "     deflection (towards excavation) for the range of the response.\r"
    "Positive soil resistance (p) should correspond to the negative\r"
    "     soil movement (-y) and negative soil resistance (-p) should\r"
    "     correspond to the positive soil movement (y).";
const char* const kSoilParameters =
    "The user may optionally enter an earth pressure coefficient for generating \r"
    "lateral earth pressure that is equal to the vertical soil pressure multiplied \r"
    "by this user-specified coefficient. If the user does not intend to use this option, \r"
    "please leave the optional earth pressure coefficient as zero and the program will \r"
    "use the active earth pressure coefficient calculated internally.";

} // namespace

void SetTableNotes(TProjectTables& tables) {
    const struct {
        const char* table;
        const char* note;
    } notes[] = {
        {"PileSect", kPileSect},         {"BoundCond", kBoundCond},
        {"SoilStrength", kSoilStrength}, {"TblRock2", kTblRock2},
        {"SurchargeTable", kSurcharge},  {"PYCurve2", kPYCurve2},
        {"TblSand1", kSoilParameters},   {"TblClay1", kSoilParameters},
        {"TblSilt1", kSoilParameters},
    };
    for (const auto& n : notes)
        tables.Table(QString::fromLatin1(n.table)).SetComments(QString::fromLatin1(n.note));
}

} // namespace tervane

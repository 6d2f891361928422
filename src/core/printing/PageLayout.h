#pragma once

#include "core/printing/PageTables.h"
#include "core/study/Study.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// A layout of the printed reports as data: where each text of its pages stands (lines in L,
// columns in U, see PageUnits) and how it is spelt. Each layout is one such description (the
// laser one in Uprint1, the deskjet one in Uprint), drawn by the page writers of ReportPages;
// the pages only some layouts print (the verdict, the validation statistics) are there when
// the layout has them.

struct CentredText {
    int line = 0;
    std::string text;
};

struct PlacedText {
    int line = 0;
    int column = 0;
    std::string text;
};

struct Place {
    int line = 0;
    int column = 0;
};

struct ColumnText {
    int column = 0;
    std::string text;
};

// A label followed by one of the study's texts (none: the label alone).
struct StudyField {
    int line = 0;
    std::string label;
    std::string Study::*text = nullptr;
};

// The header every sheet starts with: titles centred in their own type, and a rule below them.
struct PageHeader {
    int points = 12;
    std::vector<CentredText> titles;
    int ruleLine = 0;
    int rulePixels = 0;
};

// The end of a page: the study's method, analyst and date from `study` down when it names
// them, the signature lines when the layout has them, then the product line (right-aligned) and
// the closing rule.
struct PageEnd {
    std::optional<Place> study;
    std::optional<int> signatureLine;
    int productLine = 0;
    int ruleLine = 0;
};

struct GeneralPageLayout {
    CentredText title;
    int column = 0;
    std::vector<StudyField> fields;
    int levelsLine = 0;
    GridColumns levelsGrid;
    // The data grid's heading on the first sheet (moved down by the further bands of the levels
    // grid) and its lowest row.
    int dataHeading = 0;
    int dataLast = 0;
    GridColumns dataGrid;
    PageEnd end;
    // The end's lines counted from the data grid's last row, on the last sheet, rather than
    // from the top of the sheet.
    bool endFollowsData = false;
};

// The texts of the inference page's lines, each followed by its figure.
struct InferenceLabels {
    std::string slope;
    std::string upperLimit;
    std::string lowerLimit;
    std::string t;
    std::string intercept;
    std::string deviation;
    std::string variation;
    std::string determination;
};

// Whether the line passes through the origin, decided when the relation is significant:
// `opening`, the units, " - ", the property and `passes` or `fails`, wrapped down to
// `lastLine`; otherwise `none` on its own.
struct OriginSentence {
    int line = 0;
    int lastLine = 0;
    std::string opening;
    std::string passes;
    std::string fails;
    std::string none;
};

struct InferencePageLayout {
    CentredText title;
    int firstLine = 0;
    int column = 0;
    InferenceLabels labels;
    OriginSentence origin;
    PageEnd end;
};

// The columns of the variance table's figures and of its row labels.
struct VarianceColumns {
    int source = 0;
    int degrees = 0;
    int squares = 0;
    int mean = 0;
    int ratio = 0;
    int probability = 0;
};

// The verdict sentences under the variance table: the relation on the first line; with pure
// error and a relation, the linear model on the next, its property after `conjunction` on the
// line below. A layout may spell the model's sentence otherwise after a merely significant
// relation.
struct VerdictTexts {
    int line = 0;
    int column = 0;
    std::string highlySignificant;
    std::string significant;
    std::string noDependence;
    std::string conjunction;
    std::string represents;
    std::string representsAfterSignificant;
    std::string doesNotRepresent;
};

// The residual table: its heading and a residualRow per observation, at one column.
struct ResidualTable {
    CentredText title;
    std::string heading;
    int column = 0;
    int headingLine = 0;
    int last = 0;
    bool studentized = false;
};

struct VariancePageLayout {
    CentredText title;
    std::vector<PlacedText> headings;
    int firstRow = 0;
    VarianceColumns columns;
    // Regression, regression error, lack of fit, pure error.
    std::array<std::string, 4> sources;
    VerdictTexts verdicts;
    ResidualTable residuals;
    PageEnd end;
};

// The closing block of a page the lab signs off: the study's method, analyst and date at
// `study`; from `line`, a column per role `step` U apart from the study's column, each with the
// role and below it, every second line, a label with `blank` to fill in (name, signature,
// date); then the product line and the rule.
struct SignOff {
    Place study;
    int line = 0;
    int step = 0;
    std::vector<std::string> roles;
    std::vector<std::string> labels;
    std::string blank;
    int productLine = 0;
    int ruleLine = 0;
};

// The acceptance verdict: a table of the criteria under its headings and a rule, the overall
// verdict `verdictBelow` lines below its last row in the header's type, and, when a row has no
// result, `note` `noteBelow` lines below it.
struct AcceptancePageLayout {
    CentredText title;
    int headingLine = 0;
    // Criterion, value, limit, result.
    std::vector<int> columns;
    std::vector<std::string> headings;
    int firstRow = 0;
    std::string verdictOpening;
    int verdictBelow = 0;
    std::string note;
    int noteBelow = 0;
};

// The validation statistics: each part's title, then a table's headings over a rule and its
// rows, or a list of figures (name and value), one under the other, continuing on further
// sheets with the part's title ended by `continued`.
struct ValidationPageLayout {
    CentredText title;
    int titlePoints = 0;
    int bodyPoints = 0;
    int column = 0;
    int listValueColumn = 0;
    int firstLine = 0;
    int continuedLine = 0;
    int lastLine = 0;
    int headingRulePixels = 0;
    std::string continued;
    // The columns of a table, the set with as many columns as its widest row has cells; the
    // last set for any other table.
    std::vector<std::vector<int>> tableColumns;
};

struct PageLayout {
    int unitDpi = 0;
    PageHeader header;
    int bodyPoints = 0;
    // On a sheet that continues a page: the study's method at `continuedMethod` and a continued
    // table's heading on the line below it.
    Place continuedMethod;
    // The signature lines, when the layout has them: each text at its column.
    std::vector<ColumnText> signatures;
    GeneralPageLayout general;
    InferencePageLayout inference;
    VariancePageLayout variance;
    // The pages only some layouts print.
    std::optional<SignOff> signOff;
    std::optional<AcceptancePageLayout> acceptance;
    std::optional<ValidationPageLayout> validation;
};

} // namespace linealidad

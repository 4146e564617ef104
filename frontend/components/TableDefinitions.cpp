#include "TableDefinitions.h"

#include "GridErrors.h"
#include "TableChart.h"
#include "ValueStream.h"

namespace tervane {

namespace {

const QString kPlainClass = QStringLiteral("TGridTable");
const QString kChartClass = QStringLiteral("TGridTableChart");

[[noreturn]] void failAt(TValueReader& reader, const QString& what) {
    throw EReadError(QStringLiteral("%1 on line %2").arg(what).arg(reader.line()));
}

bool readChartProperty(TValueReader& reader, const QString& property, TGridTableChart& chart) {
    if (property == u"GetDataFromFile")
        chart.GetDataFromFile = reader.readBoolean();
    else if (property == u"OKCancelButtons")
        chart.OKCancelButtons = reader.readBoolean();
    else if (property == u"InvertedXAxis")
        chart.InvertedXAxis = reader.readBoolean();
    else if (property == u"InvertedYAxis")
        chart.InvertedYAxis = reader.readBoolean();
    else
        return false;
    return true;
}

void readProperty(TValueReader& reader, const QString& property, TGridTable& table) {
    if (property == u"Identifier") {
        table.SetIdentifier(reader.readInteger());
    } else if (property == u"Caption") {
        table.SetCaption(reader.readString());
    } else if (property == u"Comments") {
        table.SetComments(reader.readString());
    } else if (property == u"MinRows") {
        table.SetMinRows(reader.readInteger());
    } else if (property == u"MaxRows") {
        table.SetMaxRows(reader.readInteger());
    } else if (property == u"RowGroup") {
        table.SetRowGroup(reader.readInteger());
    } else if (property == u"TopLeft") {
        table.SetTopLeft(reader.readString());
    } else if (property == u"HardwiredButton") {
        table.SetHardwiredButton(reader.readBoolean());
    } else if (property == u"Col") {
        reader.expectSymbol(u'{');
        table.ReadColumns(reader);
        reader.expectSymbol(u'}');
    } else {
        auto* chart = dynamic_cast<TGridTableChart*>(&table);
        if (!chart || !readChartProperty(reader, property, *chart))
            failAt(reader, QStringLiteral("Unknown property %1").arg(property));
    }
}

} // namespace

std::vector<TTableDefinition> ReadTableDefinitions(const QString& text) {
    TValueReader reader(text);
    std::vector<TTableDefinition> out;
    while (!reader.atEnd()) {
        if (reader.nextType() != TValueType::Word || reader.readWord() != u"object")
            failAt(reader, QStringLiteral("\"object\" expected"));
        TTableDefinition def;
        def.name = reader.readWord();
        reader.expectSymbol(u':');
        const QString className = reader.readWord();
        if (className == kPlainClass)
            def.table = std::make_unique<TGridTable>();
        else if (className == kChartClass)
            def.table = std::make_unique<TGridTableChart>();
        else
            failAt(reader, QStringLiteral("Unknown class %1").arg(className));
        def.table->SetLoading(true);
        for (;;) {
            if (reader.nextType() != TValueType::Word)
                failAt(reader, QStringLiteral("\"end\" expected"));
            const QString property = reader.readWord();
            if (property == u"end") break;
            reader.expectSymbol(u'=');
            readProperty(reader, property, *def.table);
        }
        def.table->SetLoading(false);
        out.push_back(std::move(def));
    }
    return out;
}

QString WriteTableDefinition(const QString& name, const TGridTable& table) {
    TValueWriter w;
    const auto* chart = dynamic_cast<const TGridTableChart*>(&table);
    w.writeRaw(QStringLiteral("object %1: %2").arg(name, chart ? kChartClass : kPlainClass));
    auto property = [&w](const char* propertyName) {
        w.newLine(2);
        w.writeRaw(QString::fromLatin1(propertyName) + QStringLiteral(" ="));
    };
    property("Identifier");
    w.writeInteger(table.Identifier());
    property("Caption");
    w.writeString(table.Caption());
    if (!table.Comments().isEmpty()) {
        property("Comments");
        w.writeString(table.Comments());
    }
    property("MinRows");
    w.writeInteger(table.MinRows());
    property("MaxRows");
    w.writeInteger(table.MaxRows());
    property("RowGroup");
    w.writeInteger(table.RowGroup());
    if (!table.TopLeft().isEmpty()) {
        property("TopLeft");
        w.writeString(table.TopLeft());
    }
    property("HardwiredButton");
    w.writeBoolean(table.HardwiredButton());
    if (chart) {
        property("GetDataFromFile");
        w.writeBoolean(chart->GetDataFromFile);
        property("OKCancelButtons");
        w.writeBoolean(chart->OKCancelButtons);
        property("InvertedXAxis");
        w.writeBoolean(chart->InvertedXAxis);
        property("InvertedYAxis");
        w.writeBoolean(chart->InvertedYAxis);
    }
    property("Col");
    w.writeRaw(QStringLiteral("{"));
    w.newLine(4);
    table.WriteColumns(w);
    w.newLine(2);
    w.writeRaw(QStringLiteral("}"));
    w.newLine(0);
    w.writeRaw(QStringLiteral("end"));
    w.newLine(0);
    return w.text();
}

} // namespace tervane

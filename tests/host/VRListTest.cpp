#include "host/ui/TAutoCompleteDlg.h"
#include "host/ui/TVTQLNVRList.h"

#include <QDate>
#include <gtest/gtest.h>

TEST(TVRList, SortsByTypedValuesAndKeepsEqualRowsInOrder) {
    TVRList l;
    l.AddRow({10, "b", QDate(2024, 1, 2)});
    l.AddRow({9, "A", QDate(2023, 5, 1)});
    l.AddRow({100, "a", QDate(2025, 1, 1)});
    l.Sort(0, Qt::AscendingOrder);  // numbers by value, not as text
    EXPECT_EQ(l.Row(0).Cells[0].toInt(), 9);
    EXPECT_EQ(l.Row(2).Cells[0].toInt(), 100);
    l.Sort(1, Qt::AscendingOrder);  // texts without case; "A" stays before "a"
    EXPECT_EQ(l.Row(0).Text(1), "A");
    EXPECT_EQ(l.Row(1).Text(1), "a");
    l.Sort(2, Qt::DescendingOrder);
    EXPECT_EQ(l.Row(0).Text(2), "01.01.2025");
}

TEST(AutoComplete, RanksBestMatchesFirst) {
    EXPECT_EQ(TACRang({"Farben", ""}, "far"), 0);
    EXPECT_EQ(TACRang({"Reklamationen: Mängel"}, "mäng"), 1);
    EXPECT_EQ(TACRang({"Bild-Varianten"}, "var"), 1);
    EXPECT_EQ(TACRang({"Saisonbezeichnungen"}, "bez"), 2);
    EXPECT_EQ(TACRang({"Länder", "Land; PLZ"}, "plz"), 3);
    EXPECT_EQ(TACRang({"Länder", "Land"}, "xyz"), -1);
}

TEST(AutoComplete, GridSourceSearchesHiddenColumnsAndSkipsDisabledRows) {
    TVTQLNVRList grid;
    grid.AddColumn("Bezeichnung");
    grid.AddColumn("Schlagworte", 100, false);
    grid.Rows().AddRow({"Varianten", "Merkmal, Artikel"});
    grid.Rows().AddRow({"Farben", "Farbe, Merkmal"});
    grid.Rows().AddRow({"Material", "Stoff"}).Disabled = true;
    grid.Rows().AddRow({"Mehrwertsteuer", "Prozent"});
    TACSourceVTCustom src(grid, 0, false, false);
    const auto v = src.Vorschlaege("m");
    ASSERT_EQ(v.size(), 3);
    EXPECT_EQ(v[0].Text, "Mehrwertsteuer");  // caption starts with it
    EXPECT_EQ(v[1].Text, "Farben");          // keyword only, sorted by caption
    EXPECT_EQ(v[2].Text, "Varianten");
    EXPECT_EQ(src.RowOf(v[0]), &grid.Rows().Row(3));
    TACSourceVTCustom nurSichtbare(grid, 0, true, false);
    EXPECT_EQ(nurSichtbare.Vorschlaege("m").size(), 1);
}

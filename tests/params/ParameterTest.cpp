// The parameter store: per computer with computer 1 and the catalogue's
// default behind it, system-wide values, typed reads, the read-only check.

#include "ParmTest.h"
#include "host/Exception.h"
#include "host/QLNBuchung.h"
#include "host/TParameter.h"
#include "host/records/Tparmfile.h"

namespace {
class Parameter : public ParmTest {
protected:
    static int Saetze() {
        Tparmfile f;
        f.OpenNew(-1);
        const int n = int(f.GetCount());
        f.Close();
        return n;
    }
};
}  // namespace

TEST_F(Parameter, PerComputerValuesFallBackToComputerOneThenToTheDefault) {
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 11), "A");  // the catalogue's default
    TParameter::StringParamWrite("MITKASSE", "ZENTRAL", 1);
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 11), "ZENTRAL");
    EXPECT_FALSE(TParameter::HatEigenenWert("MITKASSE", 11));
    TParameter::StringParamWrite("mitkasse", "EIGEN", 11);  // ids are upper case
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 11), "EIGEN");
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 3), "ZENTRAL");
    TParameter::StringParamWrite("MITKASSE", "", 3);  // an empty value is a value of its own
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 3), "");
    EXPECT_EQ(Saetze(), 3);

    AufRechner(11, 3);
    EXPECT_EQ(TParameter::GetStringValueByName("MITKASSE"), "EIGEN");
    TParameter::SetStringValueByName("MITKASSE", "NEU");
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 11), "NEU");
    EXPECT_EQ(TParameter::StringParamRead("MITKASSE", 1), "ZENTRAL");
}

TEST_F(Parameter, SystemWideValuesAreOneForTheInstallation) {
    EXPECT_EQ(TParameter::StringParamRead("SYSWEIT", 3), "5");
    TParameter::StringParamWrite("SYSWEIT", "7", 3);
    for (const int rnr : {0, 1, 2, 3, 11}) EXPECT_EQ(TParameter::StringParamRead("SYSWEIT", rnr), "7") << rnr;
    TParameter::StringParamWrite("SYSWEIT", "8", 11);
    EXPECT_EQ(Saetze(), 1);
    EXPECT_EQ(TParameter::GetIntegerValueByName("SYSWEIT"), 8);
}

TEST_F(Parameter, TypedReadsAndWrites) {
    TParameter::SetIntegerValueByName("ANZAHL", 42);
    EXPECT_EQ(TParameter::GetStringValueByName("ANZAHL"), "42");
    TParameter::SetStringValueByName("ANZAHL", " 17 ");
    EXPECT_EQ(TParameter::GetIntegerValueByName("ANZAHL"), 17);
    TParameter::SetStringValueByName("ANZAHL", "x");
    EXPECT_EQ(TParameter::GetIntegerValueByName("ANZAHL"), 0);

    EXPECT_FALSE(TParameter::GetBooleanValueByName("KBTEST"));
    TParameter::SetBooleanValueByName("KBTEST", true);
    EXPECT_EQ(TParameter::GetStringValueByName("KBTEST"), "J");
    EXPECT_TRUE(TParameter::BooleanParamRead("KBTEST", 2));  // computer 1's value
    TParameter::StringParamWrite("KBTEST", "j", 2);
    EXPECT_TRUE(TParameter::BooleanParamRead("KBTEST", 2));
    TParameter::StringParamWrite("KBTEST", "Ja", 2);
    EXPECT_FALSE(TParameter::BooleanParamRead("KBTEST", 2));

    EXPECT_EQ(TParameter::GetCharValueByName("MODUS"), QChar(u'A'));
    TParameter::SetCharValueByName("MODUS", u'M');
    EXPECT_EQ(TParameter::GetStringValueByName("MODUS"), "M");
    TParameter::SetStringValueByName("MODUS", "");
    EXPECT_EQ(TParameter::GetCharValueByName("MODUS"), QChar(u' '));
}

TEST_F(Parameter, ReadOnlyCheckIsFalseUntilAValueWasStored) {
    // KBTEST's default is "N"; a stored "J" of computer 1 reaches a branch server.
    EXPECT_FALSE(TParameter::CheckParm_RO_NewIsFalse("KBTEST"));
    EXPECT_EQ(Saetze(), 0);  // the check writes nothing
    AufRechner(2, 2);
    TParameter::StringParamWrite("KBTEST", "J", 1);
    EXPECT_TRUE(TParameter::CheckParm_RO_NewIsFalse("KBTEST"));
    TParameter::StringParamWrite("KBTEST", "N", 2);
    EXPECT_FALSE(TParameter::CheckParm_RO_NewIsFalse("KBTEST"));
    TParameter::StringParamWrite("SCHUTZ", "J", 0);
    EXPECT_TRUE(TParameter::CheckParm_RO_NewIsFalse("SCHUTZ"));
}

TEST_F(Parameter, UnknownParametersAndFailedPostingsChangeNothing) {
    EXPECT_THROW(TParameter::GetStringValueByName("GIBTSNIX"), Exception);
    EXPECT_THROW(TParameter::StringParamWrite("GIBTSNIX", "J", 1), Exception);
    EXPECT_THROW(TParameter::StringParamWrite("MITKASSE", QString(256, 'X'), 1), std::exception);
    {
        QLNBuchung b(1, QStringLiteral("Probe"));
        TParameter::StringParamWrite("ANZAHL", "99", 1);
        EXPECT_EQ(TParameter::StringParamRead("ANZAHL", 1), "99");
    }  // not ended: rolled back with everything inside
    EXPECT_EQ(TParameter::StringParamRead("ANZAHL", 1), "10");
    EXPECT_EQ(Saetze(), 0);
}

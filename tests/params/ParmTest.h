#pragma once
// Fixture of the parameter tests: a fresh database with five computers (1 head
// office, 2 and 3 branch servers, 11 a till, 99 the service computer) and a
// small catalogue of its own.

#include "host/TQLNProgramm.h"
#include "registry/TXKConfigurator.h"

#include <QString>
#include <gtest/gtest.h>

class TXKParmConfigurator;

// Groups: KASSE (a heading, four parameters), ARTIKEL (blank description, with
// KBTEST a second time), FIBUVERW, CRM, DUMMY, and LEER without parameters.
extern const char* const CTestKatalog;

class ParmTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The session runs on this computer of this type from now on.
    static void AufRechner(int rnr, TRTyp_Erw typ);
    // Writes the program ini's "QLNPWD".
    static void SetzeQLNPWD(const QString& wert);
    TXKParmConfigurator& Conf();

private:
    TXKConfiguratorPtr FConf;
};

#pragma once

#include "characteristics/CharacteristicReader.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/sim/SimProgram.h"
#include "settings/SettingsStore.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace korvex::test {

// An offline read of an example part program, with its own settings files and the texts it shows.
class ReaderFixture : public ::testing::Test {
  protected:
    ReaderFixture();

    static SimProgram example(const char* name);
    void setSetting(keys::SettingKey key, const char* value);
    ReadOutcome read(HostApplication& application, HostCommandCollection& commands);
    ReadOutcome readExample(const char* name);

    QTemporaryDir dir_;
    SettingsStore settings_;
    LanguageTables language_;
    RecordingUserInteraction user_;
    ValueTables tables_;
    HeaderDataValues headerData_;
};

}  // namespace korvex::test

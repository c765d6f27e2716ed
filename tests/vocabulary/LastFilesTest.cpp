#include "vocabulary/LastFiles.h"

#include "core/Configuration.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(LastFiles, KeepsFourNewestFirstWithoutDuplicates) {
    MemoryRegistry registry;
    TLastFiles files(registry);
    for (const char* name : {"a", "b", "c", "d", "e"})
        files.Add(name);
    EXPECT_EQ(files.Item(0), "e");
    EXPECT_EQ(files.Item(3), "b");
    files.Add("c");
    EXPECT_EQ(files.Item(0), "c");
    EXPECT_EQ(files.Item(1), "e");
    EXPECT_EQ(files.Item(2), "d");
    EXPECT_EQ(files.Item(3), "b");
    files.Add("");
    EXPECT_EQ(files.Item(0), "c");
    EXPECT_EQ(files.Item(4), "");
    EXPECT_EQ(files.Item(-1), "");
}

TEST(LastFiles, LoadsInStoredOrderAndWritesBackWhenDestroyed) {
    MemoryRegistry registry;
    registry.writeString(RegistryKey::Files, "0", "null");
    registry.writeString(RegistryKey::Files, "2", "zwei");
    registry.writeString(RegistryKey::Files, "3", "drei");
    {
        TLastFiles files(registry);
        files.Load();
        EXPECT_EQ(files.Item(0), "null");
        EXPECT_EQ(files.Item(1), "zwei");
        EXPECT_EQ(files.Item(2), "drei");
        EXPECT_EQ(files.Item(3), "");
        files.Add("neu");
    }
    EXPECT_EQ(registry.readString(RegistryKey::Files, "0"), "neu");
    EXPECT_EQ(registry.readString(RegistryKey::Files, "1"), "null");
    EXPECT_EQ(registry.readString(RegistryKey::Files, "3"), "drei");
}

} // namespace
} // namespace qor

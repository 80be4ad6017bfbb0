// Loading the side libraries: the converter library names, and whole calls
// of the test recognition library and converters (tests/sideconverters).
#include "ServicesFixture.h"
#include "services/ConverterLibraryName.h"

namespace {

using SideConverters = ServicesFixture;

const std::string kSideLibraries = ICF_SIDECONVERTER_DIR;
const char* const kEmbeddedName = "c2i_546_SRC_0000001A0000000b";

std::string libraryName(uint32_t converter)
{
    char name[512];
    return services::converterLibraryName(converter, name, sizeof name) ? name : "(too long)";
}

TEST_F(SideConverters, ConverterNumberChoosesTheFamily)
{
    setExecutionPath("/opt/conv");
    EXPECT_EQ(libraryName(499), "/opt/conv/libq5q499f");
    EXPECT_EQ(libraryName(500), "/opt/conv/libj6j500f");
    EXPECT_EQ(libraryName(699), "/opt/conv/libj6j699f");
    EXPECT_EQ(libraryName(700), "/opt/conv/libq5q700f");
    setExecutionPath("/opt/conv/");
    EXPECT_EQ(libraryName(0), "/opt/conv/libq5q0f") << "no second '/'";
    setExecutionPath(nullptr);
    EXPECT_EQ(libraryName(4294967295u), "libq5q4294967295f");
    char small[10];
    EXPECT_FALSE(services::converterLibraryName(321, small, sizeof small));
}

TEST_F(SideConverters, ConverterWritesItsOutputAndTheCopyIsRemoved)
{
    useDocument("object 26 11 hex 544553545049433178797a\n"); // "TESTPIC1xyz"
    ASSERT_EQ(setExecutionPath((kSideLibraries + "/").c_str()), 1);
    char output[255] = {};
    ASSERT_EQ(g_genTempFilename(sizeof output, output), C2I_OK);
    // The copy the converter reads takes the next free name.
    EXPECT_EQ(g_callFromSideConverter(321, nullptr, kEmbeddedName, output, nullptr), 0);
    EXPECT_EQ(contents(output), "CONVERTED:TESTPIC1xyz");
    EXPECT_EQ(files().size(), 1u) << "only the converter's output is left";
}

TEST_F(SideConverters, MissingLibraryOrObjectLeavesNoTemporaryFile)
{
    useDocument("object 26 11 hex 5445535450494336\n");
    ASSERT_EQ(setExecutionPath(kSideLibraries.c_str()), 1);
    char name[255] = {};
    EXPECT_EQ(g_callFromSideConverter(322, name, kEmbeddedName, nullptr, nullptr), C2I_FAILED);
    EXPECT_EQ(g_callFromSideConverter(321, name, "c2i_546_SRC_0000001A0000000c", nullptr, nullptr), 1);
    setExecutionPath(scratch_.c_str());
    EXPECT_EQ(g_callFromSideConverter(321, name, kEmbeddedName, nullptr, nullptr), C2I_FAILED);
    EXPECT_TRUE(files().empty());
}

// The recognition library is loaded by its bare name, from the folder the
// test's LD_LIBRARY_PATH names.
TEST_F(SideConverters, RecognitionAnswersTheTestPictures)
{
    useDocument("object 26 11 hex 5445535450494336ff\nobject 26 12 hex 5445535450494339\nobject 26 13 hex 54\n");
    C2IGRAFXRTNS routines = graphicRoutines();
    uint32_t result = 99;
    uint32_t detail = 99;
    EXPECT_EQ(g_fmtprobeFile(kEmbeddedName, &result, &detail, &routines), C2I_OK);
    EXPECT_EQ(result, 610u);
    EXPECT_EQ(detail, 0u);

    for (const char* unknown : {"c2i_546_SRC_0000001A0000000c", "c2i_546_SRC_0000001A0000000d", "absent.bin"}) {
        result = 99;
        EXPECT_EQ(g_fmtprobeFile(unknown, &result, nullptr, &routines), C2I_FAILED) << unknown;
        EXPECT_EQ(result, 0u);
    }
    EXPECT_EQ(g_fmtprobeFile(nullptr, &result, nullptr, &routines), C2I_FAILED);
    EXPECT_EQ(g_fmtprobeFile(kEmbeddedName, nullptr, nullptr, &routines), C2I_FAILED);
}

} // namespace

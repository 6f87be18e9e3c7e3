// Binding the library by absolute path, and what a missing library or entry reports.
#include "platform/library_binding.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/runtime_error.h"
#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::platform::LibraryBinding;

kestrivo::platform::RuntimeError failure_of(LibraryBinding& binding, const std::string& entry) {
    try {
        binding.entry(entry);
    } catch (const kestrivo::platform::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << entry << " was found";
    return kestrivo::platform::RuntimeError(kestrivo::platform::ErrorKind::TypeMismatch, "");
}

TEST(library_binding_test, binds_the_entries_of_the_first_library_found) {
    LibraryBinding binding({"/nonexistent/libKestrivo.so", KESTRIVO_LIBRARY_PATH});
    EXPECT_NE(binding.entry("N_E04JYF"), nullptr);
    EXPECT_NE(binding.entry("RLOGLIK"), nullptr);
    EXPECT_EQ(binding.loaded_path(), KESTRIVO_LIBRARY_PATH);

    const kestrivo::platform::RuntimeError missing = failure_of(binding, "E04JYF");
    EXPECT_EQ(missing.kind(), kestrivo::platform::ErrorKind::LibraryUnusable);
    EXPECT_NE(std::string(missing.what()).find("E04JYF"), std::string::npos);
}

TEST(library_binding_test, a_missing_library_is_reported_and_relative_paths_are_never_tried) {
    // "libm.so.6" would be found by the loader's search; a binding must not search.
    LibraryBinding binding({"/nonexistent/libKestrivo.so", "libm.so.6"});
    const kestrivo::platform::RuntimeError e = failure_of(binding, "N_E04JYF");
    EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::LibraryNotFound);
    EXPECT_NE(std::string(e.what()).find("/nonexistent/libKestrivo.so"), std::string::npos);
    EXPECT_EQ(binding.loaded_path(), "");
}

TEST(library_binding_test, the_programs_library_is_looked_for_beside_it_and_in_the_install_layout) {
    EXPECT_EQ(kestrivo::platform::kestrivo_library_paths("/opt/k/bin"),
              (std::vector<std::string>{"/opt/k/bin/libKestrivo.so",
                                        "/opt/k/lib/kestrivo/libKestrivo.so"}));
}

// A library cut short would have the loader map pages past the end of the file: SIGBUS inside
// dlopen. Each truncated copy must come back as a clear error, and the process go on.
TEST(library_binding_test, a_damaged_library_is_refused_before_it_is_loaded) {
    TemporaryFolder dir;
    const std::string whole = read_file(KESTRIVO_LIBRARY_PATH);
    ASSERT_GT(whole.size(), 16384u);
    for (std::size_t size : {0, 3, 64, 100, 2048, 4096, 8192, 12288, 16384}) {
        SCOPED_TRACE(size);
        const std::string path = dir.file("libKestrivo-" + std::to_string(size) + ".so");
        dir.write("libKestrivo-" + std::to_string(size) + ".so", whole.substr(0, size));
        LibraryBinding binding({path});
        const kestrivo::platform::RuntimeError e = failure_of(binding, "N_E04JYF");
        EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::LibraryDamaged) << e.what();
        EXPECT_NE(std::string(e.what()).find(path + " is damaged"), std::string::npos) << e.what();
    }
    // Not a library at all, and a library for another machine's word size.
    dir.write("text.so", "this is not a library\n");
    LibraryBinding text({dir.file("text.so")});
    EXPECT_EQ(failure_of(text, "N_E04JYF").kind(), kestrivo::platform::ErrorKind::LibraryDamaged);
    std::string other = whole;
    other[4] = 1;  // ELFCLASS32
    dir.write("other.so", other);
    LibraryBinding elsewhere({dir.file("other.so")});
    EXPECT_EQ(failure_of(elsewhere, "N_E04JYF").kind(),
              kestrivo::platform::ErrorKind::LibraryDamaged);

    // The whole file still loads.
    dir.write("whole.so", whole);
    LibraryBinding good({dir.file("whole.so")});
    EXPECT_NE(good.entry("N_E04JYF"), nullptr);
}

// What is wrong is said in words: a library for another processor, a folder where the library
// should be, an entry missing.
TEST(library_binding_test, an_unusable_library_says_why) {
    TemporaryFolder dir;
    std::string foreign = read_file(KESTRIVO_LIBRARY_PATH);
    foreign[18] = static_cast<char>(183);  // e_machine: AArch64 (elsewhere x86-64 below)
    foreign[19] = 0;
    if (foreign == read_file(KESTRIVO_LIBRARY_PATH)) foreign[18] = 62;
    dir.write("foreign.so", foreign);
    const kestrivo::platform::RuntimeError other = failure_of(
        *std::make_unique<LibraryBinding>(std::vector{dir.file("foreign.so")}), "N_E04JYF");
    EXPECT_EQ(other.kind(), kestrivo::platform::ErrorKind::LibraryUnusable);
    EXPECT_NE(std::string(other.what()).find("another kind of processor"), std::string::npos);

    LibraryBinding folder({dir.path()});
    const kestrivo::platform::RuntimeError e = failure_of(folder, "N_E04JYF");
    EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::LibraryUnusable);
    EXPECT_NE(std::string(e.what()).find("is a folder"), std::string::npos) << e.what();
}

// A library changed on disk is refused on its digest before it is loaded: bits flipped through
// its code must never run, crash or give other numbers. The unchanged file still binds.
TEST(library_binding_test, a_library_whose_digest_differs_is_refused_unloaded) {
    TemporaryFolder dir;
    const std::string whole = read_file(KESTRIVO_LIBRARY_PATH);
    const std::string digest = kestrivo::platform::file_sha256(KESTRIVO_LIBRARY_PATH);
    ASSERT_EQ(digest.size(), 64u);
    // sha256("abc") from FIPS 180-2, appendix B.1.
    dir.write("abc", "abc");
    EXPECT_EQ(kestrivo::platform::file_sha256(dir.file("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    for (std::size_t offset = 0x1000; offset < whole.size(); offset += whole.size() / 7) {
        SCOPED_TRACE(offset);
        std::string flipped = whole;
        flipped[offset] = static_cast<char>(flipped[offset] ^ 0x10);
        const std::string name = "flipped-" + std::to_string(offset) + ".so";
        dir.write(name, flipped);
        LibraryBinding binding({dir.file(name)}, digest);
        const kestrivo::platform::RuntimeError e = failure_of(binding, "N_E04JYF");
        EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::LibraryDamaged);
        EXPECT_NE(std::string(e.what()).find("not those of the library"), std::string::npos);
        EXPECT_EQ(binding.loaded_path(), "");
    }
    dir.write("same.so", whole);
    LibraryBinding same({dir.file("same.so")}, digest);
    EXPECT_NE(same.entry("RLOGLIK"), nullptr);
}

}  // namespace

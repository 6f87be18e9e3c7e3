// Binding the library by absolute path, and what a missing library or entry reports.
#include "platform/library_binding.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace {

using platform::LibraryBinding;

platform::RuntimeError failure_of(LibraryBinding& binding, const std::string& entry) {
    try {
        binding.entry(entry);
    } catch (const platform::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << entry << " was found";
    return platform::RuntimeError(platform::ErrorKind::TypeMismatch, "");
}

TEST(library_binding_test, binds_the_entries_of_the_first_library_found) {
    LibraryBinding binding({"/nonexistent/libKestrivo.so", KESTRIVO_LIBRARY_PATH});
    EXPECT_NE(binding.entry("N_E04JYF"), nullptr);
    EXPECT_NE(binding.entry("RLOGLIK"), nullptr);
    EXPECT_EQ(binding.loaded_path(), KESTRIVO_LIBRARY_PATH);

    const platform::RuntimeError missing = failure_of(binding, "E04JYF");
    EXPECT_EQ(missing.kind(), platform::ErrorKind::LibraryNotFound);
    EXPECT_NE(std::string(missing.what()).find("E04JYF"), std::string::npos);
}

TEST(library_binding_test, a_missing_library_is_reported_and_relative_paths_are_never_tried) {
    // "libm.so.6" would be found by the loader's search; a binding must not search.
    LibraryBinding binding({"/nonexistent/libKestrivo.so", "libm.so.6"});
    const platform::RuntimeError e = failure_of(binding, "N_E04JYF");
    EXPECT_EQ(e.kind(), platform::ErrorKind::LibraryNotFound);
    EXPECT_NE(std::string(e.what()).find("/nonexistent/libKestrivo.so"), std::string::npos);
    EXPECT_EQ(binding.loaded_path(), "");
}

TEST(library_binding_test, the_programs_library_is_looked_for_beside_it_and_in_the_install_layout) {
    EXPECT_EQ(platform::kestrivo_library_paths("/opt/k/bin"),
              (std::vector<std::string>{"/opt/k/bin/libKestrivo.so",
                                        "/opt/k/lib/kestrivo/libKestrivo.so"}));
}

}  // namespace

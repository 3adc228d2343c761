# German and English regional settings for the tests that run the program as users start it.
# Both locales are built from Debian's locale sources (package "locales") into the build tree
# and found through LOCPATH, so the tests need no locale installed on the machine.
find_program(QUELBOR_LOCALEDEF localedef REQUIRED)
set(QUELBOR_LOCALE_DIR ${CMAKE_BINARY_DIR}/locales)

set(locale_files)
foreach(locale de_DE en_US)
  set(target_dir ${QUELBOR_LOCALE_DIR}/${locale}.UTF-8)
  add_custom_command(
    OUTPUT ${target_dir}/LC_NUMERIC
    COMMAND ${QUELBOR_LOCALEDEF} -i ${locale} -f UTF-8 ${target_dir}
    COMMENT "Building the locale ${locale}.UTF-8"
    VERBATIM)
  list(APPEND locale_files ${target_dir}/LC_NUMERIC)
endforeach()
add_custom_target(quelbor_test_locales ALL DEPENDS ${locale_files})

# The environment of a process started under German (de) or English (en) regional settings,
# with the decimal separator its results must show.
set(QUELBOR_REGIONAL_de
  "LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8;LOCPATH=${QUELBOR_LOCALE_DIR};QUELBOR_EXPECTED_SEPARATOR=,")
set(QUELBOR_REGIONAL_en
  "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LOCPATH=${QUELBOR_LOCALE_DIR};QUELBOR_EXPECTED_SEPARATOR=.")

find_program(QUELBOR_XVFB_RUN xvfb-run REQUIRED)
# A test command run on its own X server, 24-bit colour, large enough for the window.
set(QUELBOR_ON_XVFB ${QUELBOR_XVFB_RUN} -a -s "-screen 0 1280x1024x24")

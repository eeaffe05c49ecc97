# The protections Debian builds its packages with (dpkg-buildflags, hardening=+all): checked
# string and memory functions, stack canaries, relocations made read-only and bound at start,
# and position-independent executables. Left out of the sanitizer and fuzz builds, whose own
# instrumentation they would get in the way of; the checked functions only where the compiler
# optimises, since glibc needs that for them.
if(MORVELAN_SANITIZE OR MORVELAN_FUZZ OR MORVELAN_TSAN OR CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  return()
endif()
include(CheckPIESupported)
check_pie_supported(LANGUAGES C CXX)
target_compile_options(morvelan_settings INTERFACE -fstack-protector-strong
  "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
target_link_options(morvelan_settings INTERFACE LINKER:-z,relro,-z,now)
set(MORVELAN_HARDENED ON)

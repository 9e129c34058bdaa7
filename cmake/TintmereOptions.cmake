# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the compile options every Tintmere target shares.
add_library(tintmere_options INTERFACE)
target_compile_options(tintmere_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wimplicit-fallthrough
    $<$<BOOL:${TINTMERE_WERROR}>:-Werror>)
target_compile_definitions(tintmere_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_UP_TO=0x060400
    TINTMERE_VERSION="${PROJECT_VERSION}")

# AddressSanitizer and UndefinedBehaviorSanitizer: the first finding stops the program.
if(TINTMERE_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
    target_compile_options(tintmere_options INTERFACE ${sanitizers} -fno-omit-frame-pointer)
    target_link_options(tintmere_options INTERFACE ${sanitizers})
endif()

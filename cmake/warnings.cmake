# Every target of the project builds clean at -Wall -Wextra; warnings are errors
# so that neither build drifts.
add_library(k47_warnings INTERFACE)
target_compile_options(k47_warnings INTERFACE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Werror>)

if(K47_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

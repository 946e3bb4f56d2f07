# Embeds a file's bytes in a target as `velquist::embedded::<name>` (a std::string_view).
# The C++ side declares it with: namespace velquist::embedded { extern const std::string_view name; }
set(VELQUIST_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFileScript.cmake)

function(velquist_embed_file target input name)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DIN=${input} -DOUT=${output} -DNAME=${name} -P ${VELQUIST_EMBED_SCRIPT}
    DEPENDS ${input} ${VELQUIST_EMBED_SCRIPT}
    COMMENT "Embedding ${name}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()

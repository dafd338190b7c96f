# The web folder: the page, the module and the files the game reads from its folder, ready for any static
# web server; then cinquor-1.14-web.zip of it. The looks ship in Windows-1252 as for the programs; the
# read-me in UTF-8 with its byte-order mark, so that a browser shows it right whatever the server says.
set(web ${PROJECT_BINARY_DIR}/web)
set(page_dir ${PROJECT_SOURCE_DIR}/web)

# The names the game may read: the page lists them, and fetches each when the game first reads it.
set(CINQUOR_WEB_FILES "")
foreach(name ${looks} ${pictures})
  string(APPEND CINQUOR_WEB_FILES "'${name}', ")
endforeach()
string(REGEX REPLACE ", $" "" CINQUOR_WEB_FILES "${CINQUOR_WEB_FILES}")
# The page's style goes into the page itself: nothing to wait for before the first paint.
file(READ ${page_dir}/page.css CINQUOR_PAGE_CSS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page_dir}/page.css)
configure_file(${page_dir}/index.html.in ${PROJECT_BINARY_DIR}/index.html @ONLY)

set(outputs)
foreach(name ${looks})
  windows_text(${name} ${web})
  list(APPEND outputs ${web}/${name})
endforeach()
set(copied ${PROJECT_BINARY_DIR}/index.html ${page_dir}/page.js ${page_dir}/sw.js ${page_dir}/manifest.webmanifest
    ${CINQUOR_WEB_ICONS})
foreach(name ${pictures} cinquor.ico apropos.ico icon-32.png)
  list(APPEND copied ${CINQUOR_IMAGES_DIR}/${name})
endforeach()
add_custom_command(
  OUTPUT ${web}/cinquor.js ${web}/lisez-moi.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${web}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:cinquor>/cinquor.js $<TARGET_FILE_DIR:cinquor>/cinquor.wasm
          ${copied} ${web}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/lisez-moi.txt -DOUT=${web}/lisez-moi.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/utf8-bom-text.cmake
  # The looks are written by their own rules: they are in the folder before it is packed.
  COMMAND node ${PROJECT_SOURCE_DIR}/tools/pack_web.mjs ${web}
  DEPENDS cinquor ${CINQUOR_IMAGES} ${copied} ${outputs} lisez-moi.txt ${PROJECT_SOURCE_DIR}/cmake/utf8-bom-text.cmake
          ${PROJECT_SOURCE_DIR}/tools/pack_web.mjs
  COMMENT "Gathering the page in web/ and packing it for the network")
add_custom_target(dist ALL DEPENDS ${web}/cinquor.js ${outputs})

set(archive_name cinquor-${PROJECT_VERSION}-web)
set(archive ${PROJECT_BINARY_DIR}/${archive_name}.zip)
set(pack ${PROJECT_BINARY_DIR}/package)
add_custom_command(
  OUTPUT ${archive}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${pack}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pack}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${web} ${pack}/${archive_name}
  COMMAND ${CMAKE_COMMAND} -E chdir ${pack}
          ${CMAKE_COMMAND} -E tar cf ${archive} --format=zip ${archive_name}
  DEPENDS dist ${web}/cinquor.js ${outputs}
  COMMENT "Packing ${archive}")
add_custom_target(archive DEPENDS ${archive})

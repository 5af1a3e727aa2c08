# Install rules: the two programs, their data, and what the desktop needs to offer them (menu
# entry, .lm file type, icons, AppStream metadata, manual pages). The same binary also runs
# from the build folder, so nothing here changes how it is built.
include(GNUInstallDirs)

# The publisher's name and host live in src/config/Publisher.h; the installed metadata reads
# them from there.
file(STRINGS "${CMAKE_SOURCE_DIR}/src/config/Publisher.h" publisher_lines REGEX "kSiteName|kHost |kNotice")
foreach(line IN LISTS publisher_lines)
    if(line MATCHES "kSiteName = \"([^\"]+)\"")
        set(LETTERMAZE_PUBLISHER "${CMAKE_MATCH_1}")
    elseif(line MATCHES "kHost = \"([^\"]+)\"")
        set(LETTERMAZE_HOST "${CMAKE_MATCH_1}")
    elseif(line MATCHES "kNotice = \"([^\"]+)\"")
        set(LETTERMAZE_NOTICE "${CMAKE_MATCH_1}")
    endif()
endforeach()
if(NOT LETTERMAZE_PUBLISHER OR NOT LETTERMAZE_HOST OR NOT LETTERMAZE_NOTICE)
    message(FATAL_ERROR "src/config/Publisher.h no longer names kSiteName, kHost and kNotice")
endif()
string(REGEX REPLACE "^www\\." "" LETTERMAZE_DOMAIN "${LETTERMAZE_HOST}")
set(LETTERMAZE_HOMEPAGE "https://${LETTERMAZE_HOST}/lettermaze/")
# AppStream wants a reverse-DNS id: the domain's labels backwards, hyphens made underscores.
string(REPLACE "-" "_" domain "${LETTERMAZE_DOMAIN}")
string(REPLACE "." ";" labels "${domain}")
list(REVERSE labels)
list(JOIN labels "." reversed)
set(LETTERMAZE_APPSTREAM_ID "${reversed}.lettermaze")

set(LETTERMAZE_MAINTAINER "${LETTERMAZE_PUBLISHER} <lettermaze@${LETTERMAZE_DOMAIN}>")

# The release date as a Debian changelog writes it ("Sat, 05 Dec 2026 00:00:00 +0000"), the
# weekday by Sakamoto's method.
if(NOT LETTERMAZE_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-0?([0-9]+)-([0-9][0-9])$")
    message(FATAL_ERROR "LETTERMAZE_RELEASE_DATE must be YYYY-MM-DD")
endif()
set(LETTERMAZE_RELEASE_YEAR ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(day ${CMAKE_MATCH_3})
math(EXPR month_index "${month} - 1")
set(y ${year})
if(month LESS 3)
    math(EXPR y "${year} - 1")
endif()
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET month_offsets ${month_index} offset)
string(REGEX REPLACE "^0" "" day_number "${day}")
math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day_number}) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekdays ${weekday} weekday_name)
list(GET months ${month_index} month_name)
set(LETTERMAZE_RELEASE_TIME "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")

set(share "${CMAKE_INSTALL_DATADIR}")
set(generated "${CMAKE_BINARY_DIR}/install-files")

foreach(program IN ITEMS lettermaze lettermaze-cli)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    endif()
endforeach()

install(FILES "${CMAKE_SOURCE_DIR}/data/word lists.dat" "${CMAKE_SOURCE_DIR}/data/lm.ico"
    "${CMAKE_SOURCE_DIR}/data/lettermaze-48.png" "${CMAKE_SOURCE_DIR}/data/lettermaze.svg"
    DESTINATION "${share}/lettermaze")

# Icons for the program and for its file type, under the names the registration uses.
set(hicolor "${share}/icons/hicolor")
foreach(context_and_name IN ITEMS "apps;lettermaze" "mimetypes;application-x-lettermaze")
    list(GET context_and_name 0 context)
    list(GET context_and_name 1 name)
    install(FILES "${CMAKE_SOURCE_DIR}/data/lettermaze-48.png"
        DESTINATION "${hicolor}/48x48/${context}" RENAME "${name}.png")
    install(FILES "${CMAKE_SOURCE_DIR}/data/lettermaze.svg"
        DESTINATION "${hicolor}/scalable/${context}" RENAME "${name}.svg")
endforeach()

install(FILES "${CMAKE_SOURCE_DIR}/data/lettermaze.xml" DESTINATION "${share}/mime/packages")

configure_file("${CMAKE_SOURCE_DIR}/data/lettermaze.metainfo.xml.in"
    "${generated}/${LETTERMAZE_APPSTREAM_ID}.metainfo.xml" @ONLY)
install(FILES "${generated}/${LETTERMAZE_APPSTREAM_ID}.metainfo.xml" DESTINATION "${share}/metainfo")

# The desktop entry starts the program by its full installed path, so that it works from a
# prefix outside PATH (~/.local) and so that the program can tell the entry is its own. The
# prefix is only known when installing, hence the entry is written then.
install(CODE "set(desktop_template \"${CMAKE_SOURCE_DIR}/data/lettermaze.desktop.in\")
set(desktop_entry \"${generated}/lettermaze.desktop\")
set(bindir \"${CMAKE_INSTALL_BINDIR}\")
set(datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
    if(IS_ABSOLUTE "${bindir}")
        set(LETTERMAZE_EXEC "${bindir}/lettermaze")
    else()
        set(LETTERMAZE_EXEC "${CMAKE_INSTALL_PREFIX}/${bindir}/lettermaze")
    endif()
    if(LETTERMAZE_EXEC MATCHES " ")
        set(LETTERMAZE_EXEC "\"${LETTERMAZE_EXEC}\"")
    endif()
    configure_file("${desktop_template}" "${desktop_entry}" @ONLY)
]])
install(FILES "${generated}/lettermaze.desktop" DESTINATION "${share}/applications")

# Manual pages and the package's own documents, compressed as Debian wants them.
configure_file("${CMAKE_SOURCE_DIR}/packaging/copyright.in" "${generated}/copyright" @ONLY)
configure_file("${CMAKE_SOURCE_DIR}/packaging/changelog.in" "${generated}/changelog" @ONLY)
set(compressed)
foreach(source IN ITEMS "${CMAKE_SOURCE_DIR}/man/lettermaze.1"
        "${CMAKE_SOURCE_DIR}/man/lettermaze-cli.1" "${generated}/changelog")
    get_filename_component(name "${source}" NAME)
    add_custom_command(OUTPUT "${generated}/${name}.gz"
        COMMAND gzip -9n -c "${source}" > "${generated}/${name}.gz"
        DEPENDS "${source}" VERBATIM)
    list(APPEND compressed "${generated}/${name}.gz")
endforeach()
add_custom_target(lettermaze_install_files ALL DEPENDS ${compressed})
install(FILES "${generated}/lettermaze.1.gz" "${generated}/lettermaze-cli.1.gz"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${generated}/changelog.gz" "${generated}/copyright"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# Installed without DESTDIR (into ~/.local or /usr/local), the files are where the desktop
# reads them: refresh its caches as the Debian triggers do for a package. A staging tree is
# left alone. An icon cache is only refreshed where one exists, since a stale one hides icons.
install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
        if(IS_ABSOLUTE "${datadir}")
            set(data "${datadir}")
        else()
            set(data "${CMAKE_INSTALL_PREFIX}/${datadir}")
        endif()
        find_program(mime_tool update-mime-database)
        find_program(desktop_tool update-desktop-database)
        find_program(icon_tool gtk-update-icon-cache)
        if(mime_tool)
            execute_process(COMMAND "${mime_tool}" "${data}/mime")
        endif()
        if(desktop_tool)
            execute_process(COMMAND "${desktop_tool}" -q "${data}/applications")
        endif()
        if(icon_tool AND EXISTS "${data}/icons/hicolor/icon-theme.cache")
            execute_process(COMMAND "${icon_tool}" -q -t -f "${data}/icons/hicolor")
        endif()
    endif()
]])

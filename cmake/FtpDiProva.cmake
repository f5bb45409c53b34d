# The update is tested, and its window pictured, against a real FTP server
# on the loopback address (tests/ftp): it runs on Debian's Python, where
# pyftpdlib is installed.
find_program(LUDO_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
function(ludo_ftp_di_prova target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${target} PRIVATE LUDO_PYTHON="${LUDO_PYTHON}"
                                               LUDO_SERVER_FTP="${PROJECT_SOURCE_DIR}/tests/ftp/server_ftp.py")
endfunction()

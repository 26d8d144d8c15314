# Puts the styles, the core module and the page script into the page where its
# placeholders stand. Run with -DOUTPUT, -DSOURCE_DIR and -DCORE.
file(READ "${SOURCE_DIR}/mms-setup.html" html)
file(READ "${SOURCE_DIR}/page.css" styles)
file(READ "${SOURCE_DIR}/page.js" script)
file(READ "${CORE}" core)
string(REPLACE "/*INLINE STYLES*/" "${styles}" html "${html}")
string(REPLACE "/*INLINE CORE*/" "${core}" html "${html}")
string(REPLACE "/*INLINE SCRIPT*/" "${script}" html "${html}")
file(WRITE "${OUTPUT}" "${html}")

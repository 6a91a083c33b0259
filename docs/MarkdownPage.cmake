# Makes a whole HTML page of a Markdown file with cmark: the page is titled by the
# file's first heading. Usage: cmake -DCMARK=cmark -DIN=guide.md -DOUT=guide.html -P MarkdownPage.cmake
execute_process(COMMAND ${CMARK} --smart ${IN} OUTPUT_VARIABLE body RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmark could not read ${IN}")
endif()
file(STRINGS ${IN} headings REGEX "^# ")
list(GET headings 0 title)
string(REGEX REPLACE "^# " "" title "${title}")
file(WRITE ${OUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 1em auto; padding: 0 1em; line-height: 1.4; }
pre, code { font-family: monospace; }
pre { background: #f4f4f4; padding: 0.5em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
</style>
</head>
<body>
${body}</body>
</html>
")

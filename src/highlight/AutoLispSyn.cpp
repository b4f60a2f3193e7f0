#include "highlight/AutoLispSyn.h"

#include <array>

namespace tw
{

namespace
{

// Packed by hand: the order is the completion order.
// clang-format off
constexpr std::array<std::string_view, 481> lispWords = {
    "3dsin", "3dsout", "align", "abs", "atoms-family", "atom", "atoi", "atof", "atan", "arx",
    "arxload", "arxunload", "autoarxload", "autoload", "autoxload", "assoc", "ascii", "apply",
    "append", "angtos", "angtof", "angle", "and", "alloc", "alert", "ads", "add1", "add_list",
    "action_tile", "acad_strlsort", "acad_helpdlg", "acad_colordlg", "acdimenableupdate",
    "acet-attsync", "acet-layerp-mode", "acet-layerp-mark", "acet-laytrans", "acet-ms-to-ps",
    "acet-ps-to-ms ", "boundp", "boole", "blanksym", "cvunit", "cal", "cos", "cons", "cond",
    "comment", "command", "close", "client_data_tile", "chr", "cdr", "cddr", "cdddr", "cddddr",
    "cdddar", "cddar", "cddadr", "cddaar", "cdar", "cdadr", "cdaddr", "cdadar", "cdaar", "cdaadr",
    "cdaaar", "car", "cadr", "caddr", "cadddr", "caddar", "cadar", "cadadr", "cadaar", "caar",
    "caadr", "caaddr", "caadar", "caaar", "caaadr", "caaaar", "done_positioned_dialog",
    "done_dialog", "distof", "distance", "dimy_tile", "dimx_tile", "difference", "defun",
    "defun-q", "defun-q-list-ref", "defun-q_list-set", "dictadd", "dictnext", "dictremove",
    "dictsearch", "expt", "expand", "exp", "exit", "eval", "equal", "eq", "entupd", "entsel",
    "entnext", "entmod", "entmake", "entmakex", "entlast", "entget", "entdel", "end_list",
    "end_image", "ename", "function", "foreach", "float", "fix", "findfile", "fill_image", "file",
    "fog", "grvecs", "grtext", "grread", "greaterp", "grdraw", "grclear", "graphscr", "getvar",
    "getstring", "getreal", "getpoint", "getorient", "getkword", "getint", "getfiled", "getenv",
    "getdist", "getcfg", "getcorner", "getcname", "getangle", "get_tile", "get_attr_string",
    "get_attr", "gcd", "gc", "handent", "help", "itoa", "inters", "initget", "if", "initdia",
    "int", "kmap", "lsh", "logior", "logand", "log", "load_dialog", "load", "light", "listp",
    "list", "lessp", "length", "last", "lambda", "list", "layoutlist", "lsedit", "lslib", "lsnew",
    "matlib", "mirror3d", "mode_tile", "minusp", "minus", "min", "menucmd", "menugroup", "member",
    "mem", "max", "mapcar", "namedobjdict", "numberp", "null", "nth", "not",
    "new_positioned_dialog", "new_dialog", "nentselp", "nentsel", "osnap", "or", "open", "obj",
    "prompt", "progn", "print", "princ", "prin1", "polar", "plus", "pi", "pause", "pickset",
    "pagetb", "quotient", "quote", "quit", "rtos", "reverse", "repeat", "remainder", "rem",
    "regen", "regapp", "redraw", "read-line", "read-char", "read", "real", "render",
    "renderupdate", "replay", "rmat", "rotate3d", "rpref", "saveimg", "scene", "setuv", "showmat",
    "solprof", "stats", "snvalid", "substr", "subst", "sub1", "strlen", "strcat", "strcase",
    "ssname", "ssnamex", "ssmemb", "sslength", "ssget", "ssgetfirst", "ssdel", "ssadd",
    "sssetfirst", "startapp", "start_list", "start_image", "start_dialog", "sqrt", "slide_image",
    "sin", "shell", "setcfg", "setenv", "setfunhelp", "setvar", "setq", "set_tile", "set",
    "setview", "sym", "subr", "str", "type", "trans", "trace", "times", "textscr", "textpage",
    "textbox", "terpri", "term_dialog", "tblobjname", "tblsearch", "tblnext", "tablet", "t",
    "untrace", "unload_dialog", "vports", "vmon", "ver", "vector_image", "vl-acad-defun",
    "vl-acad-undefun", "vl-arx-import", "vl-bb-ref", "vl-bb-set", "vl-catch-all-apply",
    "vl-catch-all-error-message", "vl-catch-all-error-p", "vl-cmdf", "vl-consp",
    "vl-directory-files", "vl-doc-export", "vl-doc-import", "vl-doc-ref", "vl-doc-set", "vl-every",
    "vl-exit-with-error", "vl-exit-with-value", "vl-file-copy", "vl-file-delete",
    "vl-file-directory-p", "vl-file-rename", "vl-file-size", "vl-file-systime", "vl-filename-base",
    "vl-filename-directory", "vl-filename-extension", "vl-filename-mktemp", "vl-get-resource",
    "vl-list*", "vl-list->string", "vl-list-exported-functions", "vl-list-length",
    "vl-list-loaded-vlx", "vl-load-all", "vl-load-com", "vl-load-reactors", "vl-member-if",
    "vl-member-if-not", "vl-position", "vl-prin1-to-string", "vl-princ-to-string", "vl-propagate",
    "vl-registry-delete", "vl-registry-descendents", "vl-registry-read", "vl-registry-write",
    "vl-remove", "vl-remove-if", "vl-remove-if-not", "vl-some", "vl-sort", "vl-sort-i",
    "vl-string->list", "vl-string-elt", "vl-string-left-trim", "vl-string-mismatch",
    "vl-string-position", "vl-string-right-trim", "vl-string-search", "vl-string-subst",
    "vl-string-translate", "vl-string-trim", "vl-symbol-name", "vl-symbol-value", "vl-symbolp",
    "vl-unload-vlx", "vl-vbaload", "vl-vbarun", "vl-vlx-loaded-p", "vlax-3d-point", "vlax-add-cmd",
    "vlax-create-object", "vlax-curve-getarea", "vlax-curve-getclosestpointto",
    "vlax-curve-getclosestpointtoprojection", "vlax-curve-getdistatparam",
    "vlax-curve-getdistatpoint", "vlax-curve-getendparam", "vlax-curve-getendpoint",
    "vlax-curve-getfirstderiv", "vlax-curve-getparamatdist", "vlax-curve-getparamatpoint",
    "vlax-curve-getpointatdist", "vlax-curve-getpointatparam", "vlax-curve-getsecondderiv",
    "vlax-curve-getstartparam", "vlax-curve-getstartpoint", "vlax-curve-isclosed",
    "vlax-curve-isperiodic", "vlax-curve-isplanar", "vlax-dump-object", "vlax-ename->vla-object",
    "vlax-erased-p", "vlax-for", "vlax-get-acad-object", "vlax-get-object",
    "vlax-get-or-create-object", "vlax-get-property", "vlax-import-type-library",
    "vlax-invoke-method", "vlax-ldata-delete", "vlax-ldata-get", "vlax-ldata-list",
    "vlax-ldata-put", "vlax-ldata-test", "vlax-make-safearray", "vlax-make-variant",
    "vlax-map-collection", "vlax-method-applicable-p", "vlax-object-released-p",
    "vlax-product-key", "vlax-property-available-p", "vlax-put-property", "vlax-read-enabled-p",
    "vlax-release-object", "vlax-remove-cmd", "vlax-safearray-fill", "vlax-safearray-get-dim",
    "vlax-safearray-get-element", "vlax-safearray-get-l-bound", "vlax-safearray-get-u-bound",
    "vlax-safearray-put-element", "vlax-safearray-type", "vlax-safearray->list", "vlax-tmatrix",
    "vlax-typeinfo-available-p ", "vlax-variant-change-type", "vlax-variant-type",
    "vlax-variant-value", "vlax-vla-object->ename", "vlax-write-enabled-p", "vlisp-compile",
    "vlr-acdb-reactor", "vlr-add", "vlr-added-p", "vlr-beep-reaction", "vlr-command-reactor",
    "vlr-current-reaction-name", "vlr-data", "vlr-data-set", "vlr-deepclone-reactor",
    "vlr-docmanager-reactor", "vlr-dwg-reactor", "vlr-dxf-reactor", "vlr-editor-reactor",
    "vlr-insert-reactor", "vlr-linker-reactor", "vlr-lisp-reactor", "vlr-miscellaneous-reactor",
    "vlr-mouse-reactor", "vlr-notification", "vlr-object-reactor", "vlr-owner-add",
    "vlr-owner-remove", "vlr-owners", "vlr-pers", "vlr-pers-list", "vlr-pers-p",
    "vlr-pers-release", "vlr-reaction-names", "vlr-reaction-set", "vlr-reactions", "vlr-reactors",
    "vlr-remove", "vlr-remove-all", "vlr-set-notification", "vlr-sysvar-reactor",
    "vlr-toolbar-reactor", "vlr-trace-reaction", "vlr-type", "vlr-types", "vlr-undo-reactor",
    "vlr-wblock-reactor", "vlr-window-reactor", "vlr-xref-reactor", "write-line", "write-char",
    "while", "wcmatch", "xunload", "xload", "xdsize", "xdroom", "zerop", "_ver"
};
// clang-format on

} // namespace

std::span<const std::string_view> AutoLispWordList()
{
    return lispWords;
}

TAutoLispSyn::TAutoLispSyn() : TTableSyn(KeywordSlots, lispWords, "All files (*.lsp)|*.lsp")
{
    SetRule(';', Rule::LineComment);
    for (const unsigned char byte : {'(', ')', '*', '+', '-', '/', '<', '=', '>'})
        SetRule(byte, Rule::OneByteKeyword);
    for (unsigned char byte = '0'; byte <= '9'; ++byte)
        SetRule(byte, Rule::Number);
}

} // namespace tw

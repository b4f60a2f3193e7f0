big : button : text { width = -12; height = 1.5; }
@include "x.dcl"
d :dialog{label="Say \"hi\"\n";
 /* c */ ok_cancel; : row { : big { alignment = centered; } } inner : toggle { value = "1"; } }

d : dialog { label = "Rules";
  : row { width = 40; : button { key = "a"; fixed_width = true; } : spacer_0 {} : button { key = "b"; } }
  : boxed_column { label = ""; children_fixed_width = true; : toggle { label = "T"; alignment = right; } }
  : edit_box { label = "E"; edit_width = 5; } : image { width = 4; aspect_ratio = 0.5; }
  : slider { layout = vertical; } : list_box { label = "L"; height = 2; }
  ok_cancel_help_errtile;
}

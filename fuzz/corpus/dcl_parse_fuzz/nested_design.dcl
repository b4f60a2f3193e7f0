nest_dlg : dialog { 
    label="Nested";
        : column {
            key        = "col" ;
            alignment     = top ;
            width      = 70.3 ;
            height     =  6.7 ;
            children_alignment = top ;
            : row {
                key        = "row" ;
                label      = "Pair" ;
                alignment     = top ;
                width      = 69.1 ;
                height     =  2.7 ;
                children_alignment = top ;
                : button {
                    key        = "one" ;
                    label      = "One" ;
                    width      = 11.4 ;
                    height     =  2.1 ;
                    alignment     = top ;
                }
                : button {
                    key        = "two" ;
                    label      = "Two" ;
                    width      = 11.4 ;
                    height     =  2.1 ;
                    alignment     = top ;
                }
            }
            : toggle {
                key        = "chk" ;
                label      = "Check" ;
                width      = 69.1 ;
                height     =  1.6 ;
                alignment     = top ;
            }
        }
        :edit_box {
            key        = "ed" ;
            label      = "Name" ;
            value      = "x" ;
            width      = 70.3 ;
            height     =  1.9 ;
            alignment     = left ;
        }
        : boxed_radio_column {
            key        = "grp" ;
            label      = "Choose" ;
            alignment     = left ;
            width      = 70.3 ;
            height     =  7.0 ;
            children_alignment = left ;
            : radio_button {
                key        = "a" ;
                label      = "A" ;
                width      = 69.7 ;
                height     =  1.4 ;
                alignment     = top ;
            }
            : radio_button {
                key        = "b" ;
                label      = "B" ;
                width      = 69.7 ;
                height     =  1.4 ;
                alignment     = top ;
                value      = "1" ;
            }
        }
ok_cancel_help;
}

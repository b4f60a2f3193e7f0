actions_dlg : dialog { 
    label="Actions";
        : button {
            key        = "b1" ;
            label      = "B1" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b2" ;
            label      = "B2" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b3" ;
            label      = "B3" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b4" ;
            label      = "B4" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b5" ;
            label      = "B5" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b7" ;
            label      = "B7" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b8" ;
            label      = "B8" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b9" ;
            label      = "B9" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b10" ;
            label      = "B10" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b11" ;
            label      = "B11" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b12" ;
            label      = "B12" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b13" ;
            label      = "B13" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b14" ;
            label      = "B14" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b15" ;
            label      = "B15" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b16" ;
            label      = "B16" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : button {
            key        = "b17" ;
            label      = "B17" ;
            width      = 41.7 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
        : boxed_radio_column {
            key        = "grp" ;
            label      = "Choose" ;
            alignment     = left ;
            width      = 41.7 ;
            height     =  4.0 ;
            children_alignment = left ;
            : radio_button {
                key        = "pick" ;
                label      = "Pick me" ;
                width      = 41.1 ;
                height     =  1.4 ;
            }
        }
ok_cancel_help;
}

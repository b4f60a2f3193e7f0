        : boxed_radio_column {
            key        = "grp" ;
            label      = "Pick one" ;
            alignment     = centered ;
            width      = 21.4 ;
            height     =  7.0 ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            children_fixed_height = true ;
            children_fixed_width = true ;
            children_alignment = right ;
            : radio_button {
                key        = "r1" ;
                label      = "RadioButton" ;
                width      = 20.9 ;
                height     =  1.4 ;
                value      = "1" ;
            }
            : radio_button {
                key        = "r2" ;
                label      = "RadioButton" ;
                width      = 20.9 ;
                height     =  1.4 ;
            }
        }

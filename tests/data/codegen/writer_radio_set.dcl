        : radio_button {
            key        = "r1" ;
            label      = "One" ;
            width      = 14.3 ;
            height     =  1.4 ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            value      = "1" ;
        }

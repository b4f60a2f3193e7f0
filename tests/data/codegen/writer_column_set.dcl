        : column {
            key        = "c1" ;
            label      = "Opts" ;
            width      = 14.3 ;
            height     = 13.3 ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            children_fixed_height = true ;
            children_fixed_width = true ;
            children_alignment = right ;
            : button {
                key        = "b1" ;
                label      = "Button" ;
                width      = 13.1 ;
                height     =  1.9 ;
            }
            : button {
                key        = "b2" ;
                label      = "Button" ;
                width      = 13.1 ;
                height     =  1.9 ;
            }
        }

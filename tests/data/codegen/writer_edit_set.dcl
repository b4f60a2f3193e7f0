        :edit_box {
            key        = "e\"1" ;
            label      = "Name \"x\"" ;
            value      = "C:\\tmp" ;
            width      = 20.0 ;
            height     =  1.9 ;
            alignment     = right ;
            allow_accept = true ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            edit_limit = 12 ;
            password_char = "\"" ;
        }
